#pragma once

#include <QAbstractSpinBox>
#include <QString>

namespace tavrin {

// The integer spin edit the byte views and the speed box rely on. Unlike
// QSpinBox it accepts any integer text while the user types (also one outside
// the limits), reports every change of its text, and only pulls the value into
// range when it loses the focus or is stepped.
class SpinEdit : public QAbstractSpinBox {
    Q_OBJECT
public:
    explicit SpinEdit(QWidget* parent = nullptr);

    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    // A maximum below the minimum is taken as the minimum. The text is pulled
    // into the new range at once, as when the edit loses the focus.
    void set_range(int minimum, int maximum);

    // The text as a signed 32-bit whole number. A text that is not one (empty,
    // a lone sign, beyond 32 bits) is first reset to the minimum, which raises
    // the change event, and the minimum is returned.
    int value();
    // Puts the value into range and shows its numeral; raises the change event
    // only when the text changes.
    void set_value(int value);

    QString text_value() const; // the raw text
    // Shows the text unchecked and unclamped; value() and the focus loss
    // deal with it later, as with a typed text.
    void set_text_value(const QString& text);

    // Read-only: beeps and changes nothing.
    void stepBy(int steps) override;

signals:
    // Raised synchronously on every change of the text.
    void changed();

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
    StepEnabled stepEnabled() const override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void on_text_changed(const QString& text);
    void show_text(const QString& text);
    void pull_into_range();
    int stepped(int steps) const;

    int minimum_ = 0;
    int maximum_ = 255;
    // The text last reported by changed(); the line edit also reports a
    // replacement by the same text, which is no change.
    QString reported_;
};

} // namespace tavrin
