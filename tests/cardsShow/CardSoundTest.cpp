#include "cards/show/CardSound.h"

#include <gtest/gtest.h>

namespace {

TEST(CardSoundTest, AMissingFileOrNoDevicePlaysNothingQuietly)
{
    CCardSound sound;
    sound.stop();
    sound.play("/nonexistent/keldra/sound.wav");
    EXPECT_FALSE(sound.isPlaying());
    sound.stop();
}

} // namespace
