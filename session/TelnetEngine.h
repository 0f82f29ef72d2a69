#pragma once

#include "session/Connection.h"

// The Telnet protocol engine. It removes Telnet commands from each received
// block in place, leaving the data bytes in order at the front, and answers
// option negotiation and the terminal-type request at once through the
// connection's SendAll. It accepts ECHO and SUPPRESS-GO-AHEAD from the host,
// offers SUPPRESS-GO-AHEAD and TERMINAL-TYPE on request, and refuses
// everything else; it starts a negotiation only for binary output, which
// UTF-8 mode asks for. Its state survives from block to
// block, so a command may be split between reads at any byte.
class TelnetEngine {
  public:
    enum class TelnetState { Data, Command, Will, Wont, Do, Dont, Subneg, SubnegCommand };
    static constexpr int SubnegBufferSize = 40;
    static constexpr int TerminalTypeSize = 60;

    explicit TelnetEngine(Connection& connection);

    // Sets every protocol field to its value at connect.
    void ResetTelnet();
    // Whether what the user sends needs all eight bits (UTF-8 mode). While
    // it does, the engine asks the host to take it as binary (WILL
    // TRANSMIT-BINARY), at once when live, and accepts the host's DO: a host
    // that strips the eighth bit of NVT data then keeps it. Turned off on a
    // live link, the engine takes the offer back.
    void SetBinaryOutput(int on, int live);

    // Filters buffer[0..length) in place; returns the number of data bytes
    // now at its front (0 when the block held nothing but commands).
    int ProcessTelnet(char* buffer, int length);

    TelnetState State() const { return telnetState; }

  private:
    int CommandByte(unsigned char byte);
    int AfterIac(unsigned char byte);
    int BeginSubneg();
    void SubnegByte(unsigned char byte);
    void SubnegEnd(unsigned char byte);
    void ReceivedWill(unsigned char option);
    void ReceivedWont(unsigned char option);
    void ReceivedDo(unsigned char option);
    void ReceivedDont(unsigned char option);
    void Agree(int& flag, int value, unsigned char verb, unsigned char option);
    void Reply(unsigned char verb, unsigned char option);
    void SendTerminalType();

    Connection& connection;
    char terminalType[TerminalTypeSize];
    TelnetState telnetState;
    unsigned char subnegBuffer[SubnegBufferSize];
    int subnegLength;
    int localSga;
    int localTtype;
    int remoteSga;
    int remoteEcho;
    int localBinary;
    int binaryWanted = 0;
};
