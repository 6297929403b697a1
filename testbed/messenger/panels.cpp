#include "message_log.h"
#include "stand_in.h"

namespace {

COLORREF picture_colour(int picture) {
  static const COLORREF colours[picture_count] = {
      RGB(46, 160, 67),  RGB(240, 180, 0),   RGB(230, 140, 0),  RGB(200, 90, 0),  RGB(200, 40, 40),
      RGB(150, 20, 20),  RGB(150, 150, 150), RGB(120, 160, 60), RGB(80, 80, 160), RGB(60, 140, 180),
      RGB(100, 100, 60), RGB(140, 60, 200),  RGB(90, 90, 90)};
  return picture >= 0 && picture < picture_count ? colours[picture] : RGB(200, 200, 200);
}

HFONT font(int height, int weight) {
  return CreateFontW(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH, L"Tahoma");
}

// A round status picture; the music picture carries a note.
void draw_picture(HDC dc, int centre_x, int centre_y, int radius, int picture) {
  const HBRUSH fill = CreateSolidBrush(picture_colour(picture));
  const HGDIOBJ old_brush = SelectObject(dc, fill);
  const HGDIOBJ old_pen = SelectObject(dc, GetStockObject(NULL_PEN));
  Ellipse(dc, centre_x - radius, centre_y - radius, centre_x + radius + 1, centre_y + radius + 1);
  if (picture == 11) {
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    SelectObject(dc, GetStockObject(WHITE_PEN));
    const int unit = radius / 4 > 0 ? radius / 4 : 1;
    Ellipse(dc, centre_x - 2 * unit, centre_y + unit, centre_x + unit / 2, centre_y + 3 * unit);
    const RECT stem = {centre_x, centre_y - 3 * unit, centre_x + (unit + 1) / 2 + 1, centre_y + 2 * unit};
    FillRect(dc, &stem, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    const RECT flag = {centre_x, centre_y - 3 * unit, centre_x + 2 * unit, centre_y - 2 * unit};
    FillRect(dc, &flag, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  }
  SelectObject(dc, old_pen);
  SelectObject(dc, old_brush);
  DeleteObject(fill);
}

void draw_text(HDC dc, const std::wstring &text, RECT area, HFONT text_font, COLORREF colour, UINT format) {
  const HGDIOBJ old_font = SelectObject(dc, text_font);
  SetTextColor(dc, colour);
  SetBkMode(dc, TRANSPARENT);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, format | DT_NOPREFIX);
  SelectObject(dc, old_font);
  DeleteObject(text_font);
}

void paint_published_status(HDC dc, RECT client) {
  FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  draw_text(dc, L"Status seen by your contacts", {16, 14, client.right - 16, 34}, font(13, FW_NORMAL),
            RGB(110, 110, 110), DT_SINGLELINE);
  draw_picture(dc, 40, 70, 22, published.picture);
  draw_text(dc, picture_name(published.picture), {74, 58, client.right - 16, 84}, font(17, FW_BOLD),
            RGB(30, 30, 30), DT_SINGLELINE | DT_END_ELLIPSIS);
  draw_text(dc, published.top_text, {16, 110, client.right - 16, 140}, font(16, FW_BOLD), RGB(20, 20, 20),
            DT_SINGLELINE | DT_END_ELLIPSIS);
  draw_text(dc, published.bottom_text, {16, 144, client.right - 16, client.bottom - 12}, font(15, FW_NORMAL),
            RGB(40, 40, 40), DT_WORDBREAK);
}

void paint_status_bar(HDC dc, RECT client) {
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  DrawEdge(dc, &client, BDR_RAISEDINNER, BF_TOP);
  draw_picture(dc, 14, 15, 7, published.picture);
  draw_text(dc, picture_name(published.picture), {28, 0, client.right - 34, client.bottom},
            font(12, FW_NORMAL), RGB(30, 30, 30), DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
  // The status spot: 15 pixels from the right end and from the top.
  RECT spot = {client.right - 27, 3, client.right - 3, 27};
  DrawEdge(dc, &spot, EDGE_RAISED, BF_RECT);
  draw_picture(dc, client.right - 15, 15, 8, published.picture);
}

void paint_caption(HWND window, HDC dc, RECT client) {
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  DrawEdge(dc, &client, EDGE_RAISED, BF_RECT);
  wchar_t caption[64] = {};
  GetWindowTextW(window, caption, 64);
  draw_text(dc, caption, client, font(12, FW_NORMAL), GetSysColor(COLOR_BTNTEXT),
            DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

void paint(HWND window) {
  PAINTSTRUCT paint_info;
  const HDC dc = BeginPaint(window, &paint_info);
  RECT client = {};
  GetClientRect(window, &client);
  if (window == windows.list_panel) {
    paint_published_status(dc, client);
  } else if (window == windows.status_bar) {
    paint_status_bar(dc, client);
  } else {
    paint_caption(window, dc, client);
  }
  EndPaint(window, &paint_info);
}

void click(HWND window, LPARAM point, bool by_another_program) {
  if (window == windows.status_bar) {
    if (in_status_spot(window, {static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point))})) {
      // A slow messenger shows the dialog at a program's click too, as the real one does.
      const bool slow = by_another_program && settings.slow_open_ms != 0;
      open_status_dialog(!by_another_program || slow);
      if (slow) answer_late(settings.slow_open_ms);
    }
  } else if (window == windows.apply_panel) {
    publish_status();
    if (by_another_program && settings.slow_apply_ms != 0) answer_late(settings.slow_apply_ms);
  } else if (window == windows.cancel_panel) {
    cancel_status_dialog();
  }
}

}  // namespace

LRESULT CALLBACK panel_procedure(HWND window, UINT message, WPARAM w_param, LPARAM l_param) {
  const handled_message handling(window, message, w_param, l_param);
  switch (message) {
    case WM_PAINT:
      paint(window);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_SETTEXT:
      InvalidateRect(window, nullptr, TRUE);
      return DefWindowProcW(window, message, w_param, l_param);
    case WM_LBUTTONUP:
      click(window, l_param, handling.sent_by_another_program());
      return 0;
    default:
      return DefWindowProcW(window, message, w_param, l_param);
  }
}
