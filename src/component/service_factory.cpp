#include "component/service_factory.h"

service_factory_base *factory_chain_head = nullptr;
