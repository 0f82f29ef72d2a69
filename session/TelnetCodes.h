#pragma once

// Telnet command bytes and option codes (RFC 854, 855, 857, 858, 1091).
namespace telnet {
constexpr unsigned char IAC = 255;
constexpr unsigned char DONT = 254;
constexpr unsigned char DO = 253;
constexpr unsigned char WONT = 252;
constexpr unsigned char WILL = 251;
constexpr unsigned char SB = 250;
constexpr unsigned char GA = 249;
constexpr unsigned char EL = 248;
constexpr unsigned char EC = 247;
constexpr unsigned char AYT = 246;
constexpr unsigned char AO = 245;
constexpr unsigned char IP = 244;
constexpr unsigned char BRK = 243;
constexpr unsigned char DM = 242;
constexpr unsigned char NOP = 241;
constexpr unsigned char SE = 240;

constexpr unsigned char OPT_BINARY = 0;
constexpr unsigned char OPT_ECHO = 1;
constexpr unsigned char OPT_SGA = 3;
constexpr unsigned char OPT_TTYPE = 24;

constexpr unsigned char TTYPE_IS = 0;
constexpr unsigned char TTYPE_SEND = 1;
} // namespace telnet
