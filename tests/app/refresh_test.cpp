// A refresh, of the whole window or of the canvas alone, must reach the canvas's paint: the
// handlers only ask for repaints, and the counts they are tested by say nothing of that.
#include "AppTestSupport.h"

#include <QTest>

namespace varnel::test {

namespace {

class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace

TEST_F(MainWindowTest, RefreshesRepaintTheCanvas) {
    struct Row {
        const char* name;
        void (*refresh)(Window1*);
    };
    const Row rows[] = {
        {"the whole window", [](Window1* w) { w->Refresh(); }},
        {"the canvas alone", [](Window1* w) { w->Canvas1()->Refresh(); }},
    };
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QCoreApplication::processEvents(); // paints still pending from before
        PaintCounter counter;
        window->Canvas1()->installEventFilter(&counter);
        row.refresh(window);
        EXPECT_EQ(counter.paints, 0) << "a refresh only asks for a paint";
        EXPECT_TRUE(QTest::qWaitFor([&counter] { return counter.paints > 0; }, 2000))
            << "no paint reached the canvas";
        window->Canvas1()->removeEventFilter(&counter);
    }
}

} // namespace varnel::test
