// Feeds arbitrary streams to the Telnet engine, cut into arbitrary blocks,
// and checks that a block never grows, that every reply is one the engine
// may send, and that the cuts change neither the data nor the replies.
//
// Input: byte 0 gives the number n (0..15) of cut bytes that follow; each
// cut byte + 1 is the length of the next block; the rest of the input is
// the stream, whose remainder after the cut blocks forms the last block.
#include "session/Connection.h"
#include "session/TelnetCodes.h"
#include "session/TelnetEngine.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

using namespace telnet;

namespace {

class RecordingConnection : public Connection {
  public:
    std::vector<std::string> writes;
    void SendAll(const char* bytes, int length) override { writes.emplace_back(bytes, length); }
};

void Check(bool condition) {
    if (!condition) std::abort();
}

std::string Bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values)
        s.push_back(static_cast<char>(v));
    return s;
}

bool AllowedNegotiation(const std::string& w) {
    if (w.size() != 3 || static_cast<unsigned char>(w[0]) != IAC) return false;
    unsigned char verb = static_cast<unsigned char>(w[1]);
    unsigned char option = static_cast<unsigned char>(w[2]);
    switch (verb) {
    case DO: return option == OPT_ECHO || option == OPT_SGA;
    case WILL: return option == OPT_SGA || option == OPT_TTYPE;
    case DONT:
    case WONT: return true;
    default: return false;
    }
}

// Negotiation replies stand alone; the terminal-type reply comes as its
// three writes in order.
void CheckReplies(const std::vector<std::string>& writes) {
    const std::string head = Bytes({IAC, SB, OPT_TTYPE, TTYPE_IS});
    const std::string tail = Bytes({IAC, SE});
    for (size_t i = 0; i < writes.size(); ++i) {
        if (writes[i] == head) {
            Check(i + 2 < writes.size() && writes[i + 1] == "VT100" && writes[i + 2] == tail);
            i += 2;
        } else {
            Check(AllowedNegotiation(writes[i]));
        }
    }
}

std::string Filter(TelnetEngine& engine, const uint8_t* bytes, size_t length) {
    std::vector<char> block(bytes, bytes + length);
    int count = engine.ProcessTelnet(block.data(), static_cast<int>(length));
    Check(count >= 0 && static_cast<size_t>(count) <= length);
    return std::string(block.data(), count);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    size_t cutCount = data[0] % 16;
    if (size < 1 + cutCount) return 0;
    const uint8_t* cuts = data + 1;
    const uint8_t* stream = data + 1 + cutCount;
    size_t length = size - 1 - cutCount;

    RecordingConnection whole;
    TelnetEngine wholeEngine(whole);
    std::string wholeData = length ? Filter(wholeEngine, stream, length) : "";

    RecordingConnection pieces;
    TelnetEngine pieceEngine(pieces);
    std::string pieceData;
    size_t pos = 0;
    for (size_t i = 0; i < cutCount && pos < length; ++i) {
        size_t n = std::min<size_t>(cuts[i] + 1u, length - pos);
        pieceData += Filter(pieceEngine, stream + pos, n);
        pos += n;
    }
    if (pos < length) pieceData += Filter(pieceEngine, stream + pos, length - pos);

    CheckReplies(whole.writes);
    Check(pieceData == wholeData);
    Check(pieces.writes == whole.writes);
    Check(pieceEngine.State() == wholeEngine.State());
    return 0;
}
