#include <winsock.h>

#include "session/win32/TelnetConnection.h"

#include "session/SendWhole.h"

#include <cstdio>
#include <cstring>

namespace {

// Windows Sockets started by this process; the clean-up tests it, so that it
// is safe to run more than once.
int winsockRunning = 0;

// SendAll's patience with a socket that keeps reporting would-block: a burst
// of immediate retries, then a short pause, for a bounded number of rounds
// (about half a second), after which the rest of the block is lost. Once a
// block has been given up, later blocks get one burst only until the socket
// accepts a whole block again, so a host that has stopped reading cannot
// stall the window once per reply.
constexpr int SendAllRetries = 16;
constexpr int SendAllRounds = 50;
constexpr DWORD SendAllPause = 10;

// FD_WRITE tells a send queue that waits after a would-block that the
// socket takes data again, so that the queue never polls.
constexpr long SocketEvents = FD_READ | FD_WRITE | FD_CONNECT | FD_CLOSE;

int StartWinsock() {
    if (winsockRunning) return 1;
    WSADATA data;
    if (WSAStartup(MAKEWORD(1, 1), &data) != 0) return 0;
    if (data.wVersion != MAKEWORD(1, 1)) {
        WSACleanup();
        return 0;
    }
    winsockRunning = 1;
    return 1;
}

void EndWinsock() {
    if (!winsockRunning) return;
    WSACleanup();
    winsockRunning = 0;
}

void Report(LineReport* report, const char* text) {
    if (report) report->ReportLine(text);
}

SOCKET AsSocket(UINT_PTR handle) {
    return static_cast<SOCKET>(handle);
}

HWND AsWindow(WindowHandle window) {
    return static_cast<HWND>(window);
}

// An asynchronous connect that has failed leaves its error in SO_ERROR; a
// read then reports only "not connected", which also happens while the
// connect is still under way.
int ConnectHasFailed(SOCKET socketHandle) {
    int error = 0;
    int size = sizeof error;
    if (getsockopt(socketHandle, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &size) ==
        SOCKET_ERROR)
        return 1;
    return error != 0;
}

} // namespace

TelnetConnection::TelnetConnection(UINT socketMessage_)
    : socketMessage(socketMessage_), engine(*this), socketHandle(INVALID_SOCKET) {}

TelnetConnection::~TelnetConnection() {
    if (!winsockStarted) return;
    EndWinsock();
    winsockStarted = 0;
    connected = 0;
}

int TelnetConnection::Open(WindowHandle linkedWindow, const char*, LineReport* report) {
    window = linkedWindow;
    Report(report, "Initializing TCP/IP...");
    if (StartWinsock()) {
        Report(report, "Using WSOCK32.DLL");
        winsockStarted = 1;
        linkState = LinkState::Idle;
        return 1;
    }
    MessageBeep(MB_ICONHAND);
    Report(report, "TCP/IP initialization failed.");
    Report(report, "Check your system configuration.");
    // Keeps the Connect command unavailable: there is no network to use.
    connected = 1;
    return 0;
}

int TelnetConnection::Connect(const char* host, int port) {
    if (!winsockStarted) return FailConnect("Cannot connect to network");
    if (linkState != LinkState::Idle) return FailConnect("Busy");
    if (!host || !*host) return 0;
    // A name too long for hostName is refused whole rather than cut: a cut
    // name would be looked up as some other host.
    if (std::strlen(host) >= HostNameSize) return FailConnect("Cannot find %s", host);
    std::strcpy(hostName, host);
    sockaddr_in address = {};
    if (!Resolve(host, &address.sin_addr)) return FailConnect("Cannot find %s", host);
    // A port that does not fit in 16 bits would be cut to some other port.
    if (port < 0 || port > 65535) return ConnectFailedEarly();
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<u_short>(port));
    return StartSocket(&address);
}

// A dotted address is used as it stands: many reachable hosts have no
// reverse name, and asking for one would only refuse them. A name is looked
// up and the first address of the answer is used.
int TelnetConnection::Resolve(const char* host, void* address) {
    unsigned long numeric = inet_addr(host);
    if (numeric != INADDR_NONE) {
        std::memcpy(address, &numeric, 4);
        return 1;
    }
    hostent* entry = gethostbyname(host);
    if (!entry || !entry->h_addr_list || !entry->h_addr_list[0] || entry->h_length <= 0) return 0;
    int length = entry->h_length < 4 ? entry->h_length : 4;
    std::memcpy(address, entry->h_addr_list[0], length);
    return 1;
}

int TelnetConnection::StartSocket(const void* address) {
    SOCKET created = socket(AF_INET, SOCK_STREAM, 0);
    if (created == INVALID_SOCKET) return FailConnect("Cannot allocate socket");
    socketHandle = created;
    // The outcome of the connect arrives later as the socket message; only a failure
    // reported at once, which would never be followed by a notification, is
    // handled here.
    if (WSAAsyncSelect(created, AsWindow(window), socketMessage, SocketEvents) == SOCKET_ERROR)
        return ConnectFailedEarly();
    if (connect(created, static_cast<const sockaddr*>(address), sizeof(sockaddr_in)) ==
            SOCKET_ERROR &&
        WSAGetLastError() != WSAEWOULDBLOCK)
        return ConnectFailedEarly();
    linkState = LinkState::Connecting;
    sendStalled = 0;
    engine.ResetTelnet();
    return 1;
}

int TelnetConnection::FailConnect(const char* text) {
    Events().ConnectFailed(text);
    Close();
    return 0;
}

int TelnetConnection::FailConnect(const char* format, const char* host) {
    char text[HostNameSize + 32];
    std::snprintf(text, sizeof text, format, host);
    return FailConnect(text);
}

// The same ending as a refused connection reported through the socket
// message: the user sees "Cannot connect to %s" and the window learns that
// the connection has ended.
int TelnetConnection::ConnectFailedEarly() {
    linkState = LinkState::Connecting;
    ReadFailed();
    Events().LinkEnded();
    return 0;
}

void TelnetConnection::Close() {
    linkState = LinkState::Idle;
    if (socketHandle != INVALID_SOCKET) {
        closesocket(AsSocket(socketHandle));
        socketHandle = INVALID_SOCKET;
    }
    connected = 0;
}

int TelnetConnection::Send(const char* bytes, int length) {
    if (linkState != LinkState::Established) return 0;
    int accepted = send(AsSocket(socketHandle), bytes, length, 0);
    if (accepted != SOCKET_ERROR) return accepted;
    if (WSAGetLastError() == WSAEWOULDBLOCK) return 0;
    sendFailed = 1;
    return -1;
}

// Never blocks the window thread without bound: SendWhole retries a
// would-block result a few times at once, and between its rounds the thread
// sleeps briefly, so a host that has stopped reading costs at most
// SendAllRounds pauses before the rest of the block is dropped.
void TelnetConnection::SendAll(const char* bytes, int length) {
    int sent = 0;
    int rounds = sendStalled ? 1 : SendAllRounds;
    sendFailed = 0;
    for (int round = 0; round < rounds && sent < length; ++round) {
        if (linkState != LinkState::Established || sendFailed) return;
        if (round > 0) Sleep(SendAllPause);
        sent += SendWhole(*this, bytes + sent, length - sent, SendAllRetries);
    }
    sendStalled = sent < length && !sendFailed && linkState == LinkState::Established;
}

int TelnetConnection::Receive(char* buffer, int size) {
    if (linkState == LinkState::Idle || socketHandle == INVALID_SOCKET || size <= 0) return 0;
    int count = recv(AsSocket(socketHandle), buffer, size, 0);
    if (count == 0) return ReadFailed();
    if (count == SOCKET_ERROR) {
        int error = WSAGetLastError();
        if (error == WSAENOTCONN) {
            bool refused = linkState == LinkState::Connecting && ConnectHasFailed(socketHandle);
            return refused ? ReadFailed() : 0;
        }
        if (error != WSAEWOULDBLOCK) return ReadFailed();
        count = 0;
    }
    if (linkState == LinkState::Connecting) Established();
    return count > 0 ? engine.ProcessTelnet(buffer, count) : 0;
}

void TelnetConnection::Established() {
    linkState = LinkState::Established;
    Events().LinkEstablished();
    connected = 1;
}

// The host closed the connection or the socket failed. While connecting,
// that means the connection could not be made, which the user is told.
int TelnetConnection::ReadFailed() {
    Events().LinkClosed(hostName, linkState == LinkState::Connecting);
    Close();
    return -1;
}
