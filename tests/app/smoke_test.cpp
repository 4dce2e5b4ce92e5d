#include "AppTestSupport.h"

namespace varnel::test {

TEST_F(MainWindowTest, OpensOverTheStartState) {
    EXPECT_EQ(Window1Instance(), window);
    EXPECT_EQ(canvasWidth, 636);
    EXPECT_EQ(canvasHeight, 553);
    EXPECT_EQ(window->SpeedSlider()->value(), 32);
}

} // namespace varnel::test
