#include "session/TelnetEngine.h"

#include "session/TelnetCodes.h"

#include <cstring>

using namespace telnet;

namespace {
// CommandByte's answer for a byte that is removed from the data.
constexpr int Dropped = -1;
} // namespace

TelnetEngine::TelnetEngine(Connection& connection) : connection(connection) {
    std::memset(subnegBuffer, 0, sizeof subnegBuffer);
    ResetTelnet();
}

void TelnetEngine::ResetTelnet() {
    std::strcpy(terminalType, "VT100");
    telnetState = TelnetState::Data;
    subnegLength = 0;
    localSga = 0;
    localTtype = 0;
    remoteSga = 0;
    remoteEcho = 1;
    localBinary = 0;
}

void TelnetEngine::SetBinaryOutput(int on, int live) {
    binaryWanted = on ? 1 : 0;
    if (live) Agree(localBinary, binaryWanted, binaryWanted ? WILL : WONT, OPT_BINARY);
}

int TelnetEngine::ProcessTelnet(char* buffer, int length) {
    int count = 0;
    int pos = 0;
    while (pos < length) {
        if (telnetState == TelnetState::Data) {
            // Move the whole run of data up to the next IAC in one copy.
            const void* iac = std::memchr(buffer + pos, IAC, length - pos);
            int end = iac ? static_cast<int>(static_cast<const char*>(iac) - buffer) : length;
            if (count != pos) std::memmove(buffer + count, buffer + pos, end - pos);
            count += end - pos;
            if (!iac) break;
            pos = end + 1;
            telnetState = TelnetState::Command;
        } else if (telnetState == TelnetState::Subneg && subnegLength == SubnegBufferSize) {
            // An over-long subnegotiation ends unanswered; this byte and
            // what follows are handled as ordinary data.
            telnetState = TelnetState::Data;
        } else {
            int kept = CommandByte(static_cast<unsigned char>(buffer[pos++]));
            if (kept != Dropped) buffer[count++] = static_cast<char>(kept);
        }
    }
    return count;
}

// One byte of a command; returns the data byte it yields, or Dropped.
int TelnetEngine::CommandByte(unsigned char byte) {
    TelnetState state = telnetState;
    telnetState = TelnetState::Data;
    switch (state) {
    case TelnetState::Command: return AfterIac(byte);
    case TelnetState::Will: ReceivedWill(byte); break;
    case TelnetState::Wont: ReceivedWont(byte); break;
    case TelnetState::Do: ReceivedDo(byte); break;
    case TelnetState::Dont: ReceivedDont(byte); break;
    case TelnetState::Subneg: SubnegByte(byte); break;
    case TelnetState::SubnegCommand: SubnegEnd(byte); break;
    case TelnetState::Data: break;
    }
    return Dropped;
}

int TelnetEngine::AfterIac(unsigned char byte) {
    switch (byte) {
    case IAC: return IAC; // IAC IAC: one data byte 255
    case SE:
    case NOP:
    case DM:
    case BRK:
    case IP:
    case AO:
    case AYT:
    case EC:
    case EL:
    case GA: return Dropped;
    case SB: return BeginSubneg();
    case WILL: telnetState = TelnetState::Will; return Dropped;
    case WONT: telnetState = TelnetState::Wont; return Dropped;
    case DO: telnetState = TelnetState::Do; return Dropped;
    case DONT: telnetState = TelnetState::Dont; return Dropped;
    default: return byte; // a bare IAC before a data byte vanishes
    }
}

int TelnetEngine::BeginSubneg() {
    subnegLength = 0;
    telnetState = TelnetState::Subneg;
    return Dropped;
}

void TelnetEngine::SubnegByte(unsigned char byte) {
    if (byte == IAC) {
        telnetState = TelnetState::SubnegCommand;
        return;
    }
    subnegBuffer[subnegLength++] = byte;
    telnetState = TelnetState::Subneg;
}

// The byte after IAC inside a subnegotiation: SE closes it, anything else
// (a doubled IAC included) abandons it without a reply.
void TelnetEngine::SubnegEnd(unsigned char byte) {
    bool sendRequest =
        subnegLength >= 2 && subnegBuffer[0] == OPT_TTYPE && subnegBuffer[1] == TTYPE_SEND;
    if (byte == SE && sendRequest) SendTerminalType();
}

void TelnetEngine::ReceivedWill(unsigned char option) {
    switch (option) {
    case OPT_ECHO: Agree(remoteEcho, 1, DO, option); break;
    case OPT_SGA: Agree(remoteSga, 1, DO, option); break;
    default: Reply(DONT, option); break;
    }
}

void TelnetEngine::ReceivedWont(unsigned char option) {
    switch (option) {
    case OPT_ECHO: Agree(remoteEcho, 0, DONT, option); break;
    case OPT_SGA: Agree(remoteSga, 0, DONT, option); break;
    default: break;
    }
}

void TelnetEngine::ReceivedDo(unsigned char option) {
    switch (option) {
    case OPT_SGA: Agree(localSga, 1, WILL, option); break;
    case OPT_TTYPE: Agree(localTtype, 1, WILL, option); break;
    case OPT_BINARY:
        if (binaryWanted)
            Agree(localBinary, 1, WILL, option);
        else
            Reply(WONT, option);
        break;
    default: Reply(WONT, option); break;
    }
}

void TelnetEngine::ReceivedDont(unsigned char option) {
    switch (option) {
    case OPT_SGA: Agree(localSga, 0, WONT, option); break;
    case OPT_TTYPE: Agree(localTtype, 0, WONT, option); break;
    case OPT_BINARY: Agree(localBinary, 0, WONT, option); break;
    default: break;
    }
}

// Moves an accepted option's flag to value and confirms with verb, unless
// the flag already stands there: a request is never answered twice.
void TelnetEngine::Agree(int& flag, int value, unsigned char verb, unsigned char option) {
    if (flag == value) return;
    flag = value;
    Reply(verb, option);
}

void TelnetEngine::Reply(unsigned char verb, unsigned char option) {
    const unsigned char reply[3] = {IAC, verb, option};
    connection.SendAll(reinterpret_cast<const char*>(reply), sizeof reply);
}

// IAC SB TERMINAL-TYPE IS <name> IAC SE, in three writes.
void TelnetEngine::SendTerminalType() {
    const unsigned char head[4] = {IAC, SB, OPT_TTYPE, TTYPE_IS};
    const unsigned char tail[2] = {IAC, SE};
    connection.SendAll(reinterpret_cast<const char*>(head), sizeof head);
    connection.SendAll(terminalType, static_cast<int>(std::strlen(terminalType)));
    connection.SendAll(reinterpret_cast<const char*>(tail), sizeof tail);
}
