#pragma once
#include "game/Random.h"

#include <QString>
#include <memory>

// The game's state, shared by the main window, the Maintenance window and the
// score windows. Numbers start at 0, flags false, strings empty.
namespace Module1 {

inline bool SoundFlag = false;        // sound on or off
inline QString X;                     // the current word, as stored in its row
inline std::unique_ptr<Random> R;     // the one generator, created when the app opens
inline qint32 WordCount = 0;          // correct words this turn
inline qint32 NumberPoints = 0;       // points this turn
inline qint32 TotalPoints = 0;        // points this game
inline qint32 NoTurn = 0;             // current turn, 1 to 5; 0 before the first game
inline qint32 Seconds = 0;            // seconds left in the running turn
inline bool NewHighScoreFlag = false; // the game that just ended enters the top ten
inline QString Name;                  // the name last filed in this run
inline qint32 NoWords = 0;            // the dictionary's size as last shown

// The generator, created on first use if the application has not made it yet.
Random &random();

// Puts every global back to its launch value (tests start from here).
void reset();

} // namespace Module1
