// SPDX-License-Identifier: GPL-3.0-or-later
#include "MonkeyX.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <chrono>
#include <cstdio>
#include <sstream>
#include <thread>
#include <tuple>

namespace monkey {

namespace {

// Windows come and go under the monkey's feet; a request about one that has just gone is no fault.
int IgnoreErrors(::Display*, XErrorEvent*) {
    return 0;
}

void Pause(int Ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(Ms));
}

} // namespace

bool TopWindow::Overlaps(const TopWindow& O) const {
    return X < O.X + O.Width && O.X < X + Width && Y < O.Y + O.Height && O.Y < Y + Height;
}

std::string TopWindow::Describe() const {
    std::ostringstream Out;
    Out << "window 0x" << std::hex << Id << std::dec << " " << Width << "x" << Height << "+" << X << "+" << Y;
    if (!Name.empty()) Out << " \"" << Name << "\"";
    if (Modal) Out << " (modal)";
    if (OverrideRedirect) Out << " (pop-up)";
    return Out.str();
}

Desk::~Desk() {
    if (Conn) XCloseDisplay(Conn);
}

bool Desk::Open() {
    Conn = XOpenDisplay(nullptr);
    if (!Conn) return false;
    int Event = 0, Error = 0, Major = 0, Minor = 0;
    if (!XTestQueryExtension(Conn, &Event, &Error, &Major, &Minor)) return false;
    XSetErrorHandler(IgnoreErrors);
    Root = DefaultRootWindow(Conn);
    // Unmapped windows, and the answers to pings, which come back to the root window.
    XSelectInput(Conn, Root, SubstructureNotifyMask | StructureNotifyMask);
    return true;
}

unsigned long Desk::Intern(const char* Name) {
    return XInternAtom(Conn, Name, False);
}

std::vector<TopWindow> Desk::WindowsOf(int Process) {
    std::vector<TopWindow> Found;
    Window RootBack = 0, Parent = 0, *Children = nullptr;
    unsigned Count = 0;
    if (!XQueryTree(Conn, Root, &RootBack, &Parent, &Children, &Count)) return Found;
    const unsigned long Pid = Intern("_NET_WM_PID"), State = Intern("_NET_WM_STATE"),
                        ModalState = Intern("_NET_WM_STATE_MODAL");
    for (unsigned I = 0; I < Count; ++I) {
        XWindowAttributes A{};
        if (!XGetWindowAttributes(Conn, Children[I], &A) || A.map_state != IsViewable || A.width <= 1)
            continue;
        TopWindow W;
        W.Id = Children[I];
        W.X = A.x;
        W.Y = A.y;
        W.Width = A.width;
        W.Height = A.height;
        W.OverrideRedirect = A.override_redirect;

        ::Atom Type = 0;
        int Format = 0;
        unsigned long Items = 0, After = 0;
        unsigned char* Data = nullptr;
        long Owner = -1;
        if (XGetWindowProperty(Conn, W.Id, Pid, 0, 1, False, XA_CARDINAL, &Type, &Format, &Items, &After,
                               &Data) == Success &&
            Data && Items == 1)
            Owner = *reinterpret_cast<long*>(Data);
        if (Data) XFree(Data);
        if (Owner != Process && !W.OverrideRedirect) continue;

        Data = nullptr;
        if (XGetWindowProperty(Conn, W.Id, State, 0, 32, False, XA_ATOM, &Type, &Format, &Items, &After,
                               &Data) == Success &&
            Data) {
            const auto* Atoms = reinterpret_cast<::Atom*>(Data);
            for (unsigned long K = 0; K < Items; ++K)
                W.Modal = W.Modal || Atoms[K] == ModalState;
        }
        if (Data) XFree(Data);
        char* Name = nullptr;
        if (XFetchName(Conn, W.Id, &Name) && Name) {
            W.Name = Name;
            XFree(Name);
        }
        Found.push_back(W);
    }
    if (Children) XFree(Children);
    return Found;
}

bool Desk::OnScreen(const TopWindow& W) const {
    const int Screen = DefaultScreen(Conn);
    return W.X >= 0 && W.Y >= 0 && W.X + W.Width <= DisplayWidth(Conn, Screen) &&
           W.Y + W.Height <= DisplayHeight(Conn, Screen);
}

void Desk::MoveTo(int X, int Y) {
    XTestFakeMotionEvent(Conn, -1, X, Y, CurrentTime);
    XFlush(Conn);
}

void Desk::Click(unsigned Button) {
    XTestFakeButtonEvent(Conn, Button, True, CurrentTime);
    XFlush(Conn);
    Pause(30);
    XTestFakeButtonEvent(Conn, Button, False, CurrentTime);
    XFlush(Conn);
}

void Desk::PressKey(const std::string& Chord) {
    std::vector<KeyCode> Held;
    std::string Rest = Chord;
    for (size_t Plus; (Plus = Rest.find('+')) != std::string::npos && Plus > 0;) {
        const std::string Modifier = Rest.substr(0, Plus);
        Rest = Rest.substr(Plus + 1);
        const char* Sym = Modifier == "ctrl" ? "Control_L" : Modifier == "alt" ? "Alt_L" : "Shift_L";
        Held.push_back(XKeysymToKeycode(Conn, XStringToKeysym(Sym)));
    }
    const KeySym Key = XStringToKeysym(Rest.c_str());
    if (Key == NoSymbol) return;
    const KeyCode Code = XKeysymToKeycode(Conn, Key);
    if (Code == 0) return;
    for (const KeyCode M : Held)
        XTestFakeKeyEvent(Conn, M, True, CurrentTime);
    XTestFakeKeyEvent(Conn, Code, True, CurrentTime);
    XTestFakeKeyEvent(Conn, Code, False, CurrentTime);
    for (auto M = Held.rbegin(); M != Held.rend(); ++M)
        XTestFakeKeyEvent(Conn, *M, False, CurrentTime);
    XFlush(Conn);
}

void Desk::Focus(unsigned long Window) {
    XSetInputFocus(Conn, Window, RevertToPointerRoot, CurrentTime);
    XFlush(Conn);
}

void Desk::Raise(unsigned long Window) {
    XRaiseWindow(Conn, Window);
    XFlush(Conn);
}

// Both a close and a ping are WM_PROTOCOLS messages to the window, as a window manager sends them.
void Desk::SendProtocol(unsigned long Window, const char* Protocol, long Second, long Third) {
    XEvent E{};
    E.xclient.type = ClientMessage;
    E.xclient.window = Window;
    E.xclient.message_type = Intern("WM_PROTOCOLS");
    E.xclient.format = 32;
    E.xclient.data.l[0] = static_cast<long>(Intern(Protocol));
    E.xclient.data.l[1] = Second;
    E.xclient.data.l[2] = Third;
    XSendEvent(Conn, Window, False, NoEventMask, &E);
    XFlush(Conn);
}

void Desk::CloseWindow(unsigned long Window) {
    SendProtocol(Window, "WM_DELETE_WINDOW", CurrentTime, 0);
}

void Desk::Ping(unsigned long Window, long Id) {
    SendProtocol(Window, "_NET_WM_PING", Id, static_cast<long>(Window));
}

void Desk::Drain() {
    const unsigned long PingAtom = Intern("_NET_WM_PING");
    while (XPending(Conn)) {
        XEvent E;
        XNextEvent(Conn, &E);
        if (E.type == ClientMessage && E.xclient.window == Root &&
            static_cast<unsigned long>(E.xclient.data.l[0]) == PingAtom)
            Pongs.emplace_back(E.xclient.data.l[1], std::chrono::steady_clock::now());
        else if (E.type == UnmapNotify)
            Unmapped.insert(E.xunmap.window);
        else if (E.type == DestroyNotify)
            Unmapped.insert(E.xdestroywindow.window);
    }
}

bool Desk::PingReply(long& Id, std::chrono::steady_clock::time_point& At) {
    Drain();
    if (Pongs.empty()) return false;
    std::tie(Id, At) = Pongs.front();
    Pongs.erase(Pongs.begin());
    return true;
}

bool Desk::WasUnmapped(unsigned long Window) {
    Drain();
    return Unmapped.count(Window) > 0;
}

void Desk::ForgetUnmap(unsigned long Window) {
    Drain();
    Unmapped.erase(Window);
}

bool Desk::Screenshot(const std::string& File) {
    const int Screen = DefaultScreen(Conn);
    const int W = DisplayWidth(Conn, Screen), H = DisplayHeight(Conn, Screen);
    XImage* Image =
        XGetImage(Conn, Root, 0, 0, static_cast<unsigned>(W), static_cast<unsigned>(H), AllPlanes, ZPixmap);
    if (!Image) return false;
    std::FILE* Out = std::fopen(File.c_str(), "wb");
    if (Out) {
        std::fprintf(Out, "P6\n%d %d\n255\n", W, H);
        for (int Y = 0; Y < H; ++Y)
            for (int X = 0; X < W; ++X) {
                const unsigned long P = XGetPixel(Image, X, Y);
                const unsigned char Rgb[3] = {static_cast<unsigned char>((P >> 16) & 0xFF),
                                              static_cast<unsigned char>((P >> 8) & 0xFF),
                                              static_cast<unsigned char>(P & 0xFF)};
                std::fwrite(Rgb, 1, 3, Out);
            }
        std::fclose(Out);
    }
    XDestroyImage(Image);
    return Out != nullptr;
}

} // namespace monkey
