#include "views/spin_edit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QWheelEvent>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>

namespace tavrin {
namespace {

bool is_ascii_digit(QChar c) { return c >= u'0' && c <= u'9'; }

bool is_sign(QChar c) { return c == u'+' || c == u'-'; }

// An optional sign and digits; QString::toInt would also take surrounding
// blanks and non-ASCII digits, which the edit refuses.
std::optional<int> whole_number(const QString& text) {
    qsizetype i = 0;
    const bool negative = !text.isEmpty() && text[0] == u'-';
    if (!text.isEmpty() && is_sign(text[0]))
        ++i;
    if (i == text.size())
        return std::nullopt;
    // Stop as soon as the magnitude cannot be a 32-bit number, so a long run
    // of digits cannot overflow the accumulator.
    constexpr std::int64_t largest_magnitude = std::int64_t{std::numeric_limits<int>::max()} + 1;
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        if (!is_ascii_digit(text[i]))
            return std::nullopt;
        magnitude = magnitude * 10 + (text[i].unicode() - u'0');
        if (magnitude > largest_magnitude)
            return std::nullopt;
    }
    const std::int64_t number = negative ? -magnitude : magnitude;
    if (number > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(number);
}

bool is_step_key(int key) {
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown;
}

} // namespace

SpinEdit::SpinEdit(QWidget* parent) : QAbstractSpinBox(parent) {
    setKeyboardTracking(true);
    // Some styles right-align spin boxes; these read like plain edits.
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    reported_ = QString::number(minimum_);
    lineEdit()->setText(reported_);
    connect(lineEdit(), &QLineEdit::textChanged, this, &SpinEdit::on_text_changed);
}

void SpinEdit::set_range(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    pull_into_range();
    // The arrow buttons grey out by stepEnabled(), which the limits decide.
    update();
}

int SpinEdit::value() {
    if (const auto number = whole_number(text_value()))
        return *number;
    // Whoever reads the value must also see it; a handler of changed() may
    // call back in here, and by then the text is a number.
    show_text(QString::number(minimum_));
    return minimum_;
}

void SpinEdit::set_value(int value) {
    show_text(QString::number(std::clamp(value, minimum_, maximum_)));
}

QString SpinEdit::text_value() const { return lineEdit()->text(); }

void SpinEdit::set_text_value(const QString& text) { show_text(text); }

void SpinEdit::stepBy(int steps) {
    if (isReadOnly()) {
        QApplication::beep();
        return;
    }
    show_text(QString::number(stepped(steps)));
    if (style()->styleHint(QStyle::SH_SpinBox_SelectOnStep, nullptr, this))
        selectAll();
}

QValidator::State SpinEdit::validate(QString& input, int&) const {
    qsizetype i = (!input.isEmpty() && is_sign(input[0])) ? 1 : 0;
    for (; i < input.size(); ++i) {
        if (!is_ascii_digit(input[i]))
            return QValidator::Invalid;
    }
    // Out of range is fine while typing; only a text that is no number yet
    // (empty, a lone sign, beyond 32 bits) is unfinished.
    return whole_number(input) ? QValidator::Acceptable : QValidator::Intermediate;
}

void SpinEdit::fixup(QString&) const {
    // Deliberately empty: the line edit would otherwise rewrite an unfinished
    // text on its own; the focus loss and value() do the correcting.
}

QAbstractSpinBox::StepEnabled SpinEdit::stepEnabled() const {
    // Not greyed out when read-only: the buttons still answer, with a beep.
    const QString current = text_value();
    StepEnabled enabled = StepNone;
    if (QString::number(stepped(1)) != current)
        enabled |= StepUpEnabled;
    if (QString::number(stepped(-1)) != current)
        enabled |= StepDownEnabled;
    return enabled;
}

void SpinEdit::focusOutEvent(QFocusEvent* event) {
    // A context menu takes the focus while the user is still editing.
    if (event->reason() != Qt::PopupFocusReason)
        pull_into_range();
    QAbstractSpinBox::focusOutEvent(event);
}

void SpinEdit::keyPressEvent(QKeyEvent* event) {
    // QAbstractSpinBox drops step keys silently when read-only.
    if (isReadOnly() && is_step_key(event->key())) {
        QApplication::beep();
        event->accept();
        return;
    }
    QAbstractSpinBox::keyPressEvent(event);
}

void SpinEdit::mousePressEvent(QMouseEvent* event) {
    // Handled here rather than in stepBy() so that holding the button does
    // not start the auto-repeat and beep on and on.
    if (isReadOnly() && event->button() == Qt::LeftButton && buttonSymbols() != NoButtons) {
        QStyleOptionSpinBox option;
        initStyleOption(&option);
        const QStyle::SubControl hit = style()->hitTestComplexControl(
            QStyle::CC_SpinBox, &option, event->position().toPoint(), this);
        if (hit == QStyle::SC_SpinBoxUp || hit == QStyle::SC_SpinBoxDown) {
            QApplication::beep();
            event->accept();
            return;
        }
    }
    QAbstractSpinBox::mousePressEvent(event);
}

void SpinEdit::wheelEvent(QWheelEvent* event) {
    // Leave the wheel to the scrolling parent instead of beeping at it.
    if (isReadOnly()) {
        event->ignore();
        return;
    }
    QAbstractSpinBox::wheelEvent(event);
}

void SpinEdit::on_text_changed(const QString& text) {
    if (text == reported_)
        return;
    // Recorded before emitting so a handler that changes the text again is
    // reported as a change of its own.
    reported_ = text;
    emit changed();
}

void SpinEdit::show_text(const QString& text) {
    if (text_value() != text)
        lineEdit()->setText(text);
}

void SpinEdit::pull_into_range() {
    const auto number = whole_number(text_value());
    if (!number)
        show_text(QString::number(minimum_));
    else if (*number < minimum_ || *number > maximum_)
        set_value(*number);
}

int SpinEdit::stepped(int steps) const {
    // An out-of-range text is first pulled to the nearest limit, then stepped.
    const int current = whole_number(text_value()).value_or(minimum_);
    const std::int64_t from = std::clamp(current, minimum_, maximum_);
    return static_cast<int>(std::clamp<std::int64_t>(from + steps, minimum_, maximum_));
}

} // namespace tavrin
