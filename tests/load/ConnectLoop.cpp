// Opens and closes connections to DISPLAY's X server as fast as it can until it is stopped:
// a busy desktop in miniature.
#include <X11/Xlib.h>

int main() {
    for (;;) {
        if (Display* display = XOpenDisplay(nullptr)) XCloseDisplay(display);
    }
}
