// The numbered messages of the game, each in Dutch and English. Callers name a message by its
// number; a number outside the table shows message 0.
#pragma once

#include <QString>

namespace reki {

inline constexpr int kMessageCount = 15;

// The message texts; lines are separated by '\n'.
QString MessageText(int nr, bool english);

// The message numbers, named after what they say.
enum MessageNr : int {
  kMsgOnbekendeFout = 0,
  kMsgTijdVerstreken = 1,
  kMsgTijdNogNietVerstreken = 2,
  kMsgGetalVergeten = 3,
  kMsgGetalTweeMaal = 4,
  kMsgGetalBuitenBereik = 5,
  kMsgResultaatBuitenBereik = 6,
  kMsgGeenOplossing = 7,
  kMsgAntwoordFout = 8,
  kMsgAntwoordGoed = 9,
  kMsgLeesFout = 10,
  kMsgAlBerekend = 11,
  kMsgInfo = 12,
  kMsgNietAlleOplossingen = 13,
  kMsgVerlaten = 14,
};

// Kinds of message: a notice with "OK", or a question with "Ja" and "Nee".
enum MessageKind : int { kNotice = 1, kQuestion = 2 };

}  // namespace reki
