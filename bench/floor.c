/* The floor: the least an Xlib program can do to put a window like the game's on screen.
 *
 * It opens the display, maps an 800 x 600 window, and on every Expose fills it and draws a few
 * rectangles and a line of text in a core font; then it sleeps in XNextEvent. The benchmark
 * compares the game with it, so it paints the same landmark pixels the benchmark reads back
 * from the game's window (green ground, a black tile frame, a red flag square, a red button
 * and a dark picture pixel): the same read-back then tells when either window is complete.
 *
 * No timer, no toolkit, no allocation after start: whatever the game costs beyond this is the
 * price of its toolkit. */
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <stdio.h>
#include <string.h>

enum { kWidth = 800, kHeight = 600 };

static void Paint(Display* display, Window window, GC gc) {
  static const char kText[] = "Tessarin floor: one window, a few rectangles, one line";

  XSetForeground(display, gc, 0x00FF00);
  XFillRectangle(display, window, gc, 0, 0, kWidth, kHeight);

  /* A board of 16 white cells with black frames, where the game has its tiles. */
  for (int i = 0; i < 16; ++i) {
    int x = 20 + 90 * (i % 4);
    int y = 25 + 138 * (i / 4);
    XSetForeground(display, gc, i == 15 ? 0xB7B7B7 : 0xFFFFFF);
    XFillRectangle(display, window, gc, x, y, 88, 136);
    XSetForeground(display, gc, 0x000000);
    XDrawRectangle(display, window, gc, x, y, 87, 135);
  }

  /* A dark block where the game has its picture, then the text, then the red squares: the
   * benchmark's last landmarks are drawn after the text, so seeing them means all is shown. */
  XSetForeground(display, gc, 0x202060);
  XFillRectangle(display, window, gc, 400, 25, 328, 100);
  XSetForeground(display, gc, 0x000000);
  XDrawString(display, window, gc, 400, 145, kText, (int)strlen(kText));
  XSetForeground(display, gc, 0xFF0000);
  XFillRectangle(display, window, gc, 400, 190, 100, 28);
  XFillRectangle(display, window, gc, kWidth - 30, kHeight - 20, 20, 15);
  XFlush(display);
}

int main(void) {
  Display* display = XOpenDisplay(NULL);
  if (display == NULL) {
    fprintf(stderr, "floor: cannot open the display\n");
    return 1;
  }
  int screen = DefaultScreen(display);
  Window window = XCreateSimpleWindow(display, RootWindow(display, screen), 0, 0, kWidth,
                                      kHeight, 0, BlackPixel(display, screen), 0x00FF00);
  XStoreName(display, window, "floor");
  XSelectInput(display, window, ExposureMask);

  XFontStruct* font = XLoadQueryFont(display, "fixed");
  GC gc = XCreateGC(display, window, 0, NULL);
  if (font != NULL) XSetFont(display, gc, font->fid);

  XMapWindow(display, window);
  for (;;) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == Expose && event.xexpose.count == 0) Paint(display, window, gc);
  }
}
