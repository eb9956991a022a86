// The tunes shipped beside the program: traditional carols as note text.
// All melodies are traditional and in the public domain; the arrangements are ours.
#include "carols.h"

namespace tune {

namespace {

// General MIDI programs (0-based).
constexpr int kPiano = 0, kElectricPiano = 4, kCelesta = 8, kGlockenspiel = 9, kMusicBox = 10,
              kChurchOrgan = 19, kAcousticBass = 32, kFingerBass = 33, kStrings = 48, kTrumpet = 56,
              kFlute = 73, kHarp = 46, kCello = 42;

// Jingle Bells (J. Pierpont, 1857), in G.
const char* const kJingleBells =
    "D4:q B4:q A4:q G4:q | D4:h. D4:e D4:e | D4:q B4:q A4:q G4:q | E4:w |"
    "E4:q C5:q B4:q A4:q | F#4:w | D5:q D5:q C5:q A4:q | B4:w |"
    "D4:q B4:q A4:q G4:q | D4:h. D4:e D4:e | D4:q B4:q A4:q G4:q | E4:h. E4:q |"
    "E4:q C5:q B4:q A4:q | D5:q D5:q D5:q D5:q | E5:q D5:q C5:q A4:q | G4:h D5:h |"
    "B4:q B4:q B4:h | B4:q B4:q B4:h | B4:q D5:q G4:q. A4:e | B4:w |"
    "C5:q C5:q C5:q. C5:e | C5:q B4:q B4:q B4:e B4:e | B4:q A4:q A4:q B4:q | A4:h D5:h |"
    "B4:q B4:q B4:h | B4:q B4:q B4:h | B4:q D5:q G4:q. A4:e | B4:w |"
    "C5:q C5:q C5:q. C5:e | C5:q B4:q B4:q B4:e B4:e | D5:q D5:q C5:q A4:q | G4:w";
const char* const kJingleBellsChords =
    "G G G C  C D D G  G G G C  Am D D7 G,D7 "
    "G G G G  C G A7 D  G G G G  C G D7 G";

// We Wish You a Merry Christmas (English West Country), in G.
const char* const kWeWish =
    "D4:q | G4:q G4:e A4:e G4:e F#4:e | E4:q E4:q E4:q | A4:q A4:e B4:e A4:e G4:e | F#4:q D4:q D4:q |"
    "B4:q B4:e C5:e B4:e A4:e | G4:q E4:q D4:e D4:e | E4:q A4:q F#4:q | G4:h D4:q |"
    "G4:q G4:q G4:q | F#4:h F#4:q | G4:q F#4:q E4:q | D4:h A4:q |"
    "B4:q A4:e A4:e G4:e G4:e | D5:q D4:q D4:e D4:e | E4:q A4:q F#4:q | G4:h";
const char* const kWeWishChords = "- G C A7 D Em C D7 G  G D A7 D  G D D7 G";

// Deck the Halls (Welsh, 16th century), in G.
const char* const kDeckTheHalls =
    "D5:q. C5:e B4:q A4:q | G4:q A4:q B4:q G4:q | A4:e B4:e C5:e A4:e B4:q. A4:e | G4:q F#4:q G4:h |"
    "D5:q. C5:e B4:q A4:q | G4:q A4:q B4:q G4:q | A4:e B4:e C5:e A4:e B4:q. A4:e | G4:q F#4:q G4:h |"
    "A4:q. B4:e C5:q A4:q | B4:q. C5:e D5:q A4:q | B4:e C#5:e D5:q E5:e F#5:e G5:q | F#5:q E5:q D5:h |"
    "D5:q. C5:e B4:q A4:q | G4:q A4:q B4:q G4:q | C5:e C5:e C5:e C5:e B4:q. A4:e | G4:q F#4:q G4:h";
const char* const kDeckTheHallsChords =
    "G G Am,D D7,G  G G Am,D D7,G  D7 G,D A,D A7,D  G G C,D7 D7,G";

// O Christmas Tree (German folk tune, "O Tannenbaum"), in G.
const char* const kOChristmasTree =
    "D4:q | G4:e. G4:s G4:q. A4:e | B4:e. B4:s B4:q. B4:e | A4:q B4:q C5:q | F#4:q A4:q G4:e D5:e |"
    "D5:e. B4:s E5:q. D5:e | D5:e. C5:s C5:q. C5:e | C5:e. A4:s D5:q. C5:e | C5:q B4:q D4:q |"
    "G4:e. G4:s G4:q. A4:e | B4:e. B4:s B4:q. B4:e | A4:q B4:q C5:q | F#4:q A4:q G4:q";
const char* const kOChristmasTreeChords = "- G G D7 G  G D7 D7 G  G G D7 G";

// Joy to the World (tune "Antioch", arranged by L. Mason, 1839), in D.
const char* const kJoyToTheWorld =
    "D5:h C#5:q. B4:e | A4:h. G4:q | F#4:h E4:h | D4:h. A4:q | B4:h. B4:q | C#5:h. C#5:q | D5:h. D5:q |"
    "D5:q C#5:q B4:q A4:q | A4:q. G4:e F#4:q D5:q | D5:q C#5:q B4:q A4:q | A4:q. G4:e F#4:q F#4:q |"
    "F#4:q F#4:q F#4:q F#4:e G4:e | A4:h. G4:e F#4:e | E4:q E4:q E4:q E4:e F#4:e | G4:h. F#4:e E4:e |"
    "D4:q D5:h B4:q | A4:q. G4:e F#4:q G4:q | F#4:h E4:h | D4:w";
const char* const kJoyToTheWorldChords =
    "D D,A7 D,A D G A D  D D D D  D A7 A7 A7  D,G D,A7 D,A7 D";

// Silent Night (F. X. Gruber, 1818), in C.
const char* const kSilentNight =
    "G4:q. A4:e G4:q | E4:h. | G4:q. A4:e G4:q | E4:h. |"
    "D5:h D5:q | B4:h. | C5:h C5:q | G4:h. |"
    "A4:h A4:q | C5:q. B4:e A4:q | G4:q. A4:e G4:q | E4:h. |"
    "A4:h A4:q | C5:q. B4:e A4:q | G4:q. A4:e G4:q | E4:h. |"
    "D5:h D5:q | F5:q. D5:e B4:q | C5:h. | E5:h. |"
    "C5:q. G4:e E4:q | G4:q. F4:e D4:q | C4:h. | C4:h.";
const char* const kSilentNightChords =
    "C C C C  G G C C  F C C C  F C C C  G G7 C C  C G7 C C";

}  // namespace

const std::vector<Tune>& Carols() {
    static const std::vector<Tune> tunes{
        {"xmastune.mid", "Jingle Bells", 168, 4, 4, kCelesta, kElectricPiano, kFingerBass, true,
         kJingleBells, kJingleBellsChords},
        {"wewish.mid", "We Wish You a Merry Christmas", 168, 3, 4, kFlute, kPiano, kAcousticBass, true,
         kWeWish, kWeWishChords},
        {"deckhall.mid", "Deck the Halls", 132, 4, 4, kGlockenspiel, kPiano, kAcousticBass, false,
         kDeckTheHalls, kDeckTheHallsChords},
        {"otannen.mid", "O Christmas Tree", 92, 3, 4, kMusicBox, kHarp, kCello, false, kOChristmasTree,
         kOChristmasTreeChords},
        {"joyworld.mid", "Joy to the World", 112, 4, 4, kTrumpet, kChurchOrgan, kAcousticBass, false,
         kJoyToTheWorld, kJoyToTheWorldChords},
        {"silentnt.mid", "Silent Night", 84, 6, 8, kStrings, kHarp, kCello, false, kSilentNight,
         kSilentNightChords},
    };
    return tunes;
}

}  // namespace tune
