#pragma once

// The terminal's character sets: four slots G0 to G3 hold designated sets,
// one slot is invoked into the left half of the code table (GL, codes 0 to
// 127) and one into the right half (GR, codes 128 to 255). displayTable maps a
// received byte to the glyph stored in a cell; keyTable maps a character typed
// on the PC keyboard to the byte the host expects.
class CharsetState {
  public:
    // Set numbers, as held in designation.
    enum {
        UsAscii = 0,
        Finnish = 1,
        Swedish = 2,
        British = 3,
        SpecialGraphics = 4,
        Supplemental = 5,
        SetCount = 6
    };

    // Builds the glyph sets and starts in national mode with the Finnish set.
    CharsetState();

    // Fills glyphSets with the six sets.
    void BuildGlyphSets();

    // National (7-bit) mode when multinational is 0: G0 holds the national
    // set and G1 the special graphics; multinational mode: G0 and G1 hold
    // ASCII. G2 always gets the supplemental set; G3 keeps its set. Rebuilds
    // keyTable, invokes G0 into GL and G2 into GR. A national set outside 0
    // to 3 is taken as U.S. ASCII.
    void ResetCharsets(int national, int multinational);

    // Designates the set named by final into the slot named by intermediate:
    // "(" G0, ")" G1, "*" G2, "+" G3. Unknown slots or sets change nothing.
    void Designate(int intermediate, int final);

    void InvokeGL(int g);
    void InvokeGR(int g);
    void SaveCharsets();
    void RestoreCharsets();

    // The set that designates for a final character, or -1 for none.
    static int SetForFinal(int final);

    unsigned char glyphSets[SetCount][128];
    int designation[4];
    int invokedGL;
    int invokedGR;
    unsigned char displayTable[256];
    unsigned char keyTable[256];
    int savedDesignation[4];
    int savedGL;
    int savedGR;

  private:
    void ReloadGL();
    void ReloadGR();
    void MapKeysFrom(int set);
};
