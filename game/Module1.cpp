#include "game/Module1.h"

namespace Module1 {

Random &random() {
    if (!R)
        R = std::make_unique<Random>();
    return *R;
}

void reset() {
    SoundFlag = false;
    X.clear();
    R.reset();
    WordCount = NumberPoints = TotalPoints = NoTurn = Seconds = 0;
    NewHighScoreFlag = false;
    Name.clear();
    NoWords = 0;
}

} // namespace Module1
