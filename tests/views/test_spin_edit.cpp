#include "views/spin_edit.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>

#include <climits>
#include <functional>

using tavrin::SpinEdit;

namespace {

constexpr int speed_minimum = 100000;
constexpr int speed_maximum = 25000000;

// Lets a test aim at the arrow buttons and read the step state.
class ProbedSpinEdit : public SpinEdit {
public:
    using SpinEdit::SpinEdit;
    using SpinEdit::lineEdit;
    using SpinEdit::stepEnabled;

    QRect button_rect(QStyle::SubControl control) const {
        QStyleOptionSpinBox option;
        initStyleOption(&option);
        return style()->subControlRect(QStyle::CC_SpinBox, &option, control, this);
    }
};

// A shown window holding the spin edit at the size the byte views give it,
// and a plain edit to take the focus away.
struct Form {
    QWidget window;
    ProbedSpinEdit* spin = new ProbedSpinEdit(&window);
    QLineEdit* other = new QLineEdit(&window);

    explicit Form(int minimum = 0, int maximum = 255) {
        spin->set_range(minimum, maximum);
        spin->setGeometry(10, 10, 49, 22);
        other->setGeometry(10, 40, 100, 22);
        window.resize(200, 80);
        window.show();
    }

    bool focus_spin() {
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            return false;
        spin->setFocus(Qt::OtherFocusReason);
        return spin->hasFocus();
    }
};

using Action = std::function<void(ProbedSpinEdit*)>;

void click_button(ProbedSpinEdit* spin, QStyle::SubControl control) {
    QTest::mouseClick(spin, Qt::LeftButton, {}, spin->button_rect(control).center());
}

Action press(Qt::Key key) {
    return [key](ProbedSpinEdit* spin) { QTest::keyClick(spin, key); };
}
Action step(int steps) {
    return [steps](ProbedSpinEdit* spin) { spin->stepBy(steps); };
}
Action click(QStyle::SubControl control) {
    return [control](ProbedSpinEdit* spin) { click_button(spin, control); };
}

} // namespace

Q_DECLARE_METATYPE(Action)

class TestSpinEdit : public QObject {
    Q_OBJECT

private slots:
    void starts_as_left_aligned_minimum();
    void typed_text_reads_as_value_data();
    void typed_text_reads_as_value();
    void same_text_again_is_no_change();
    void set_value_clamps_data();
    void set_value_clamps();
    void set_range_pulls_text_into_range_data();
    void set_range_pulls_text_into_range();
    void stepping_stays_within_limits_data();
    void stepping_stays_within_limits();
    void step_buttons_follow_limits_data();
    void step_buttons_follow_limits();
    void buttons_fit_the_small_size();
    void focus_loss_pulls_into_range_data();
    void focus_loss_pulls_into_range();
    void context_menu_focus_loss_keeps_unfinished_text();
    void read_only_refuses_every_change_data();
    void read_only_refuses_every_change();
    void read_only_leaves_wheel_to_parent();
    void handler_reading_value_on_empty_text();
};

void TestSpinEdit::starts_as_left_aligned_minimum() {
    SpinEdit spin;
    QCOMPARE(spin.text_value(), QStringLiteral("0"));
    QCOMPARE(spin.minimum(), 0);
    QCOMPARE(spin.maximum(), 255);
    QVERIFY(spin.alignment() & Qt::AlignLeft);
    QVERIFY(spin.keyboardTracking());
}

void TestSpinEdit::typed_text_reads_as_value_data() {
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QString>("start");       // set before typing
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");       // text after typing
    QTest::addColumn<int>("typing_changes");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("after_read");  // text after value()
    QTest::addColumn<int>("read_changes");

    QTest::newRow("zero") << 0 << 255 << "" << "0" << "0" << 1 << 0 << "0" << 0;
    QTest::newRow("maximum") << 0 << 255 << "" << "255" << "255" << 3 << 255 << "255" << 0;
    QTest::newRow("above range is kept while typing") << 0 << 255 << "" << "300" << "300" << 3 << 300 << "300" << 0;
    QTest::newRow("negative") << 0 << 255 << "" << "-5" << "-5" << 2 << -5 << "-5" << 0;
    QTest::newRow("plus sign") << 0 << 255 << "" << "+5" << "+5" << 2 << 5 << "+5" << 0;
    QTest::newRow("leading zeros") << 0 << 255 << "" << "007" << "007" << 3 << 7 << "007" << 0;
    QTest::newRow("empty resets to minimum") << 0 << 255 << "" << "" << "" << 0 << 0 << "0" << 1;
    QTest::newRow("lone minus") << 0 << 255 << "" << "-" << "-" << 1 << 0 << "0" << 1;
    QTest::newRow("lone plus") << 0 << 255 << "" << "+" << "+" << 1 << 0 << "0" << 1;
    QTest::newRow("beyond 32 bits") << 0 << 255 << "" << "99999999999" << "99999999999" << 11 << 0 << "0" << 1;
    QTest::newRow("largest 32-bit") << 0 << 255 << "" << "2147483647" << "2147483647" << 10 << INT_MAX << "2147483647" << 0;
    QTest::newRow("smallest 32-bit") << 0 << 255 << "" << "-2147483648" << "-2147483648" << 11 << INT_MIN << "-2147483648" << 0;
    QTest::newRow("one past largest 32-bit") << 0 << 255 << "" << "2147483648" << "2147483648" << 10 << 0 << "0" << 1;
    QTest::newRow("one past smallest 32-bit") << 0 << 255 << "" << "-2147483649" << "-2147483649" << 11 << 0 << "0" << 1;
    QTest::newRow("letters refused") << 0 << 255 << "12" << "abc" << "12" << 0 << 12 << "12" << 0;
    QTest::newRow("letters among digits refused") << 0 << 255 << "" << "1a2" << "12" << 2 << 12 << "12" << 0;
    QTest::newRow("sign after digits refused") << 0 << 255 << "" << "5-+" << "5" << 1 << 5 << "5" << 0;
    QTest::newRow("blank refused") << 0 << 255 << "" << " 7 " << "7" << 1 << 7 << "7" << 0;
    QTest::newRow("speed above range kept") << speed_minimum << speed_maximum << "" << "30000000" << "30000000" << 8 << 30000000 << "30000000" << 0;
    QTest::newRow("speed empty resets to minimum") << speed_minimum << speed_maximum << "" << "" << "" << 0 << speed_minimum << "100000" << 1;
    QTest::newRow("speed text put in unchecked") << speed_minimum << speed_maximum << "abc" << "" << "abc" << 0 << speed_minimum << "100000" << 1;
}

void TestSpinEdit::typed_text_reads_as_value() {
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(QString, start);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(int, typing_changes);
    QFETCH(int, value);
    QFETCH(QString, after_read);
    QFETCH(int, read_changes);

    Form form(minimum, maximum);
    form.spin->set_text_value(start);
    QSignalSpy changes(form.spin, &SpinEdit::changed);
    QTest::keyClicks(form.spin, typed);
    QCOMPARE(form.spin->text_value(), shown);
    QCOMPARE(changes.count(), typing_changes);

    changes.clear();
    QCOMPARE(form.spin->value(), value);
    QCOMPARE(form.spin->text_value(), after_read);
    QCOMPARE(changes.count(), read_changes);
}

void TestSpinEdit::same_text_again_is_no_change() {
    Form form;
    form.spin->set_text_value(QStringLiteral("5"));
    QSignalSpy changes(form.spin, &SpinEdit::changed);
    form.spin->set_text_value(QStringLiteral("5"));
    form.spin->set_value(5);
    // Overtyping the selection with the same digit swaps the text for itself.
    form.spin->selectAll();
    QTest::keyClick(form.spin, Qt::Key_5);
    QCOMPARE(form.spin->text_value(), QStringLiteral("5"));
    QCOMPARE(changes.count(), 0);
}

void TestSpinEdit::set_value_clamps_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("changes");

    QTest::newRow("inside range") << "0" << 17 << "17" << 1;
    QTest::newRow("same value") << "17" << 17 << "17" << 0;
    QTest::newRow("above maximum") << "0" << 1000 << "255" << 1;
    QTest::newRow("maximum again when above") << "255" << 1000 << "255" << 0;
    QTest::newRow("below minimum") << "9" << -3 << "0" << 1;
    QTest::newRow("smallest 32-bit") << "9" << INT_MIN << "0" << 1;
    QTest::newRow("same value written differently") << "+5" << 5 << "5" << 1;
    QTest::newRow("replaces out-of-range text") << "300" << 200 << "200" << 1;
}

void TestSpinEdit::set_value_clamps() {
    QFETCH(QString, start);
    QFETCH(int, value);
    QFETCH(QString, text);
    QFETCH(int, changes);

    SpinEdit spin;
    spin.set_text_value(start);
    QSignalSpy spy(&spin, &SpinEdit::changed);
    spin.set_value(value);
    QCOMPARE(spin.text_value(), text);
    QCOMPARE(spy.count(), changes);
}

void TestSpinEdit::set_range_pulls_text_into_range_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("changes");
    QTest::addColumn<int>("kept_maximum");

    QTest::newRow("zero into speed range") << "0" << speed_minimum << speed_maximum << "100000" << 1 << speed_maximum;
    QTest::newRow("inside new range kept") << "500" << 0 << 1000 << "500" << 0 << 1000;
    QTest::newRow("above new maximum") << "300" << 0 << 100 << "100" << 1 << 100;
    QTest::newRow("not a number") << "abc" << 5 << 10 << "5" << 1 << 10;
    QTest::newRow("maximum below minimum") << "50" << 10 << 5 << "10" << 1 << 10;
}

void TestSpinEdit::set_range_pulls_text_into_range() {
    QFETCH(QString, start);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(QString, text);
    QFETCH(int, changes);
    QFETCH(int, kept_maximum);

    SpinEdit spin;
    spin.set_text_value(start);
    QSignalSpy spy(&spin, &SpinEdit::changed);
    spin.set_range(minimum, maximum);
    QCOMPARE(spin.text_value(), text);
    QCOMPARE(spy.count(), changes);
    QCOMPARE(spin.minimum(), minimum);
    QCOMPARE(spin.maximum(), kept_maximum);
}

void TestSpinEdit::stepping_stays_within_limits_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("changes");

    QTest::newRow("step down at minimum") << "0" << step(-1) << "0" << 0;
    QTest::newRow("step up at maximum") << "255" << step(1) << "255" << 0;
    QTest::newRow("step up to maximum") << "254" << step(1) << "255" << 1;
    QTest::newRow("step down") << "7" << step(-1) << "6" << 1;
    QTest::newRow("large step clamps") << "10" << step(1000) << "255" << 1;
    QTest::newRow("largest step clamps") << "10" << step(INT_MIN) << "0" << 1;
    QTest::newRow("above range steps up to maximum") << "300" << step(1) << "255" << 1;
    QTest::newRow("above range clamps before stepping down") << "300" << step(-1) << "254" << 1;
    QTest::newRow("below range clamps before stepping up") << "-5" << step(1) << "1" << 1;
    QTest::newRow("empty steps from minimum") << "" << step(1) << "1" << 1;
    QTest::newRow("empty steps down to minimum") << "" << step(-1) << "0" << 1;
    QTest::newRow("beyond 32 bits steps from minimum") << "99999999999" << step(1) << "1" << 1;
    QTest::newRow("up key") << "7" << press(Qt::Key_Up) << "8" << 1;
    QTest::newRow("down key") << "7" << press(Qt::Key_Down) << "6" << 1;
    QTest::newRow("up key at maximum") << "255" << press(Qt::Key_Up) << "255" << 0;
    QTest::newRow("down key at minimum") << "0" << press(Qt::Key_Down) << "0" << 0;
    QTest::newRow("page up clamps at maximum") << "250" << press(Qt::Key_PageUp) << "255" << 1;
    QTest::newRow("up button") << "7" << click(QStyle::SC_SpinBoxUp) << "8" << 1;
    QTest::newRow("down button") << "7" << click(QStyle::SC_SpinBoxDown) << "6" << 1;
    QTest::newRow("up button at maximum") << "255" << click(QStyle::SC_SpinBoxUp) << "255" << 0;
    QTest::newRow("down button at minimum") << "0" << click(QStyle::SC_SpinBoxDown) << "0" << 0;
}

void TestSpinEdit::stepping_stays_within_limits() {
    QFETCH(QString, start);
    QFETCH(Action, action);
    QFETCH(QString, text);
    QFETCH(int, changes);

    Form form;
    form.spin->set_text_value(start);
    QSignalSpy spy(form.spin, &SpinEdit::changed);
    action(form.spin);
    QCOMPARE(form.spin->text_value(), text);
    QCOMPARE(spy.count(), changes);
}

void TestSpinEdit::step_buttons_follow_limits_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<bool>("read_only");
    QTest::addColumn<bool>("up");
    QTest::addColumn<bool>("down");

    QTest::newRow("minimum") << "0" << false << true << false;
    QTest::newRow("maximum") << "255" << false << false << true;
    QTest::newRow("inside") << "128" << false << true << true;
    QTest::newRow("above range") << "300" << false << true << true;
    QTest::newRow("below range") << "-5" << false << true << true;
    QTest::newRow("empty") << "" << false << true << true;
    // The buttons keep their look when read-only; pressing them beeps.
    QTest::newRow("read-only inside") << "128" << true << true << true;
}

void TestSpinEdit::step_buttons_follow_limits() {
    QFETCH(QString, start);
    QFETCH(bool, read_only);
    QFETCH(bool, up);
    QFETCH(bool, down);

    ProbedSpinEdit spin;
    spin.set_text_value(start);
    spin.setReadOnly(read_only);
    QCOMPARE(bool(spin.stepEnabled() & QAbstractSpinBox::StepUpEnabled), up);
    QCOMPARE(bool(spin.stepEnabled() & QAbstractSpinBox::StepDownEnabled), down);
}

void TestSpinEdit::buttons_fit_the_small_size() {
    Form form;
    ProbedSpinEdit* spin = form.spin;
    const QRect up = spin->button_rect(QStyle::SC_SpinBoxUp);
    const QRect down = spin->button_rect(QStyle::SC_SpinBoxDown);
    QVERIFY(!up.isEmpty());
    QVERIFY(!down.isEmpty());
    QVERIFY(spin->rect().contains(up));
    QVERIFY(spin->rect().contains(down));
    QVERIFY(!up.intersects(spin->lineEdit()->geometry()));
    // The widest byte still shows beside the buttons.
    QVERIFY(spin->lineEdit()->fontMetrics().horizontalAdvance(QStringLiteral("255"))
            < spin->lineEdit()->width());
}

void TestSpinEdit::focus_loss_pulls_into_range_data() {
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("changes");

    QTest::newRow("above maximum") << 0 << 255 << "300" << "255" << 1;
    QTest::newRow("below minimum") << 0 << 255 << "-5" << "0" << 1;
    QTest::newRow("inside kept") << 0 << 255 << "17" << "17" << 0;
    QTest::newRow("empty") << 0 << 255 << "" << "0" << 1;
    QTest::newRow("lone minus") << 0 << 255 << "-" << "0" << 1;
    QTest::newRow("beyond 32 bits") << 0 << 255 << "99999999999" << "0" << 1;
    QTest::newRow("speed above maximum") << speed_minimum << speed_maximum << "30000000" << "25000000" << 1;
    QTest::newRow("speed below minimum") << speed_minimum << speed_maximum << "50000" << "100000" << 1;
    QTest::newRow("speed empty") << speed_minimum << speed_maximum << "" << "100000" << 1;
    QTest::newRow("speed inside kept") << speed_minimum << speed_maximum << "1000000" << "1000000" << 0;
}

void TestSpinEdit::focus_loss_pulls_into_range() {
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(QString, typed);
    QFETCH(QString, text);
    QFETCH(int, changes);

    Form form(minimum, maximum);
    QVERIFY(form.focus_spin());
    form.spin->set_text_value(QString());
    QTest::keyClicks(form.spin, typed);
    QCOMPARE(form.spin->text_value(), typed);

    QSignalSpy spy(form.spin, &SpinEdit::changed);
    form.other->setFocus(Qt::TabFocusReason);
    QVERIFY(!form.spin->hasFocus());
    QCOMPARE(form.spin->text_value(), text);
    QCOMPARE(spy.count(), changes);
}

void TestSpinEdit::context_menu_focus_loss_keeps_unfinished_text() {
    Form form;
    form.spin->set_text_value(QStringLiteral("300"));
    QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(form.spin, &popup);
    QCOMPARE(form.spin->text_value(), QStringLiteral("300"));

    QFocusEvent away(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(form.spin, &away);
    QCOMPARE(form.spin->text_value(), QStringLiteral("255"));
}

void TestSpinEdit::read_only_refuses_every_change_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<Action>("action");

    const Action type_digits = [](ProbedSpinEdit* spin) { QTest::keyClicks(spin, QStringLiteral("12")); };
    const Action erase = [](ProbedSpinEdit* spin) {
        QTest::keyClick(spin, Qt::Key_End);
        QTest::keyClick(spin, Qt::Key_Backspace);
    };
    QTest::newRow("typing") << "7" << type_digits;
    QTest::newRow("backspace") << "7" << erase;
    QTest::newRow("up key") << "7" << press(Qt::Key_Up);
    QTest::newRow("down key") << "7" << press(Qt::Key_Down);
    QTest::newRow("page up") << "7" << press(Qt::Key_PageUp);
    QTest::newRow("step up") << "7" << step(1);
    QTest::newRow("step down") << "7" << step(-1);
    QTest::newRow("up button") << "7" << click(QStyle::SC_SpinBoxUp);
    QTest::newRow("down button") << "7" << click(QStyle::SC_SpinBoxDown);
    QTest::newRow("step up above range") << "300" << step(1);
}

void TestSpinEdit::read_only_refuses_every_change() {
    QFETCH(QString, start);
    QFETCH(Action, action);

    Form form;
    form.spin->set_text_value(start);
    form.spin->setReadOnly(true);
    QSignalSpy spy(form.spin, &SpinEdit::changed);
    action(form.spin);
    QCOMPARE(form.spin->text_value(), start);
    QCOMPARE(spy.count(), 0);
}

void TestSpinEdit::read_only_leaves_wheel_to_parent() {
    Form form;
    form.spin->set_text_value(QStringLiteral("7"));
    const QPointF centre = form.spin->rect().center();
    auto turn = [&] {
        QWheelEvent wheel(centre, form.spin->mapToGlobal(centre), QPoint(), QPoint(0, 120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(form.spin, &wheel);
        return wheel.isAccepted();
    };

    QVERIFY(turn());
    QCOMPARE(form.spin->text_value(), QStringLiteral("8"));

    form.spin->setReadOnly(true);
    QVERIFY(!turn());
    QCOMPARE(form.spin->text_value(), QStringLiteral("8"));
}

void TestSpinEdit::handler_reading_value_on_empty_text() {
    Form form;
    form.spin->set_text_value(QStringLiteral("5"));
    QList<int> read;
    int depth = 0;
    int deepest = 0;
    QObject::connect(form.spin, &SpinEdit::changed, form.spin, [&] {
        ++depth;
        deepest = std::max(deepest, depth);
        // A runaway loop would otherwise end in a stack overflow.
        if (depth < 5)
            read.append(form.spin->value());
        --depth;
    });

    QTest::keyClick(form.spin, Qt::Key_End);
    QTest::keyClick(form.spin, Qt::Key_Backspace);

    // Clearing raised the event, the read reset the text and raised it once more.
    QCOMPARE(deepest, 2);
    QCOMPARE(read, (QList<int>{0, 0}));
    QCOMPARE(form.spin->text_value(), QStringLiteral("0"));
}

QTEST_MAIN(TestSpinEdit)
#include "test_spin_edit.moc"
