// Whatever reaches the speed field, by typing or from code, the speed stays strictly between
// -1 and 1, the field and the knob agree with it, and the field's correction of a rejected
// entry comes to an end.
#include "AppTestSupport.h"

#include "framework/Numbers.h"

#include <QTest>

#include <cmath>
#include <string>

namespace varnel::test {
namespace {

struct BadInputCase {
    const char* name;
    std::string prior; // entered first, or empty
    std::string text;
    // What entering the text whole leaves behind, from the start speed 0.6 or the prior entry.
    bool accepted;
    double speed;
    std::string shown; // the field's text when rejected
    int knob;
};

const BadInputCase badInputCases[] = {
    {"empty", "", "", true, 0.0, "", 20},
    {"lone minus", "", "-", true, 0.0, "", 20},
    {"lone point", "", ".", true, 0.0, "", 20},
    {"letters", "", "abc", true, 0.0, "", 20},
    {"one", "", "1", false, 0.6, "0.6", 31},
    {"minus one", "", "-1", false, 0.6, "0.6", 31},
    {"too large for a double", "", "1e999", false, 0.6, "0.6", 31},
    {"closest double below one", "", "0.9999999999999999", true, 0.9999999999999999, "", 39},
    {"reads as minus one", "", "-0.99999999999999999", false, 0.6, "0.6", 31},
    {"a thousand digits", "", std::string(1000, '9'), false, 0.6, "0.6", 31},
    {"a thousand decimals", "", "0." + std::string(998, '1'), true, 1.0 / 9.0, "", 22},
    {"number and words", "", "0.5 abc", true, 0.5, "", 30},
    {"leading blanks", "", "  0.25", true, 0.25, "", 25},
    {"exponent without digits", "", "0.3e", true, 0.3, "", 26},
    {"nan", "", "nan", true, 0.0, "", 20},
    {"inf", "", "inf", true, 0.0, "", 20},
    {"hexadecimal", "", "0x0.8", true, 0.0, "", 20},
    // The speed's own text reads as 1, so the correction is rejected in turn.
    {"rejected after a speed whose text reads one", "0.9999999999999999", "2", false,
     0.9999999999999999, "1", 39},
    {"rejected after a speed whose text reads minus one", "-0.9999999999999999", "-5", false,
     -0.9999999999999999, "-1", 1},
};

class SpeedInputTest : public MainWindowTest {
protected:
    void Reopen() {
        MainWindowTest::Reopen();
        changes = 0;
        QObject::connect(window->EditField2(), &QLineEdit::textChanged, window->EditField2(),
                         [this] { ++changes; });
    }

    QLineEdit* Field() const { return window->EditField2(); }

    // Replaces the whole text from code; returns how often the field changed meanwhile.
    int Write(const std::string& text) {
        const int before = changes;
        Field()->setText(QString::fromStdString(text));
        return changes - before;
    }

    // Selects all and types the text key by key; returns the most changes one key made.
    int Type(const std::string& text) {
        Field()->selectAll();
        int most = 0;
        if (text.empty()) {
            const int before = changes;
            QTest::keyClick(Field(), Qt::Key_Backspace);
            return changes - before;
        }
        for (char ch : text) {
            const int before = changes;
            QTest::keyClick(Field(), ch);
            most = std::max(most, changes - before);
        }
        return most;
    }

    // The field's rules, whatever came before: an accepted text is the speed and puts the
    // knob at Round(19 x + 20); a rejected one has been replaced by the speed's text.
    void ExpectFieldAgreesWithSpeed() const {
        EXPECT_TRUE(-1.0 < beta && beta < 1.0) << beta;
        const std::string shown = Field()->text().toStdString();
        const double x = fw::Val(shown);
        if (-1.0 < x && x < 1.0) {
            EXPECT_EQ(beta, x) << "field shows " << shown;
            EXPECT_EQ(window->SpeedSlider()->value(), fw::ToInt32(fw::Round(19.0 * beta + 20.0)))
                << "field shows " << shown;
        } else {
            EXPECT_EQ(shown, fw::Str(beta));
        }
        EXPECT_FALSE(isUpdating);
    }

    int changes = 0;
};

TEST_F(SpeedInputTest, BadInputLeavesTheSpeedInsideAndTheControlsInStep) {
    for (const BadInputCase& c : badInputCases) {
        SCOPED_TRACE(c.name);
        {
            SCOPED_TRACE("entered from code");
            Reopen();
            if (!c.prior.empty()) {
                ASSERT_EQ(Write(c.prior), 1);
            }
            const int nested = Write(c.text);
            EXPECT_GE(nested, 1);
            EXPECT_LE(nested, 3) << "the correction ends";
            EXPECT_EQ(beta, c.speed);
            EXPECT_EQ(Field()->text().toStdString(), c.accepted ? c.text : c.shown);
            EXPECT_EQ(window->SpeedSlider()->value(), c.knob);
            ExpectFieldAgreesWithSpeed();
        }
        {
            SCOPED_TRACE("typed key by key");
            Reopen();
            if (!c.prior.empty()) {
                EXPECT_LE(Type(c.prior), 3);
            }
            EXPECT_LE(Type(c.text), 3) << "the correction ends";
            ExpectFieldAgreesWithSpeed();
        }
    }
}

} // namespace
} // namespace varnel::test
