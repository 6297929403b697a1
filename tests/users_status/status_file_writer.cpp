// Replaces the component's file (the one beside this program, in the folder given) 300 times with 3,000
// copies of the letter it is given, as a second player of one installation would, and says how many
// of the replaces the other writer's (or a reader's) use of the file made fail.
#include <cstdio>
#include <cstring>
#include <string>

#include "program_folder.h"
#include "users_status/win32_status_file.h"

int main(int argc, char **argv) {
  if (argc != 3) return 2;
  const std::string record(3000, argv[1][0]);
  const std::wstring component = component_beside_program();
  const std::wstring folder(argv[2], argv[2] + std::strlen(argv[2]));
  win32_status_file status(component.c_str(), folder.c_str());
  int failed = 0;
  for (int i = 0; i < 300; ++i) {
    failed +=
        status.replace(reinterpret_cast<const std::uint8_t *>(record.data()), 3000) != system_error::none;
  }
  std::printf("writer %c: %d of 300 replaces failed\n", argv[1][0], failed);
  return 0;
}
