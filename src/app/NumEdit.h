// The numeric input of every page: a number with a range, a step and a number of decimals
// whose text may also be empty ("not filled", which the page checks tell apart from 0).
//
// - setValue clamps to the range and writes the value with the edit's decimals;
//   setText writes any text as it stands (the reset writes "" and "0" this way).
// - value() reads the text with the process-wide decimal sign; an empty text or one that
//   is no number reads as the minimum.
// - changed() fires on every change of the text: typed by the user or set in code, as the
//   handlers of the pages expect. edited() fires besides, after it, only for the user's
//   own changes: typing and stepping.
// - The user may type digits, one decimal sign with at most the edit's decimals after it
//   (none in a whole edit) and, when the range allows it, a leading minus. In an edit with
//   decimals a point and a comma both stand for the decimal sign and become the program's
//   own; a pasted text is taken the same way, or refused as a whole. Leaving the
//   edit puts a number outside the range back into it, with a note beside the edit when
//   the user typed it, and empties a text that is no number.
#pragma once

#include <QAbstractSpinBox>

class QLabel;
class QTimer;

class NumEdit : public QAbstractSpinBox {
    Q_OBJECT
public:
    explicit NumEdit(QWidget* parent = nullptr);

    double value() const;
    void setValue(double v);

    QString text() const;
    void setText(const QString& t);
    void clear() override;
    bool isFilled() const;

    // Whether the change changed() now tells of is the user's own (typed or stepped).
    bool isUserChange() const { return fGebruiker; }

    double minimum() const { return fMin; }
    double maximum() const { return fMax; }
    // Sets the range and renews the range hint; the text is left as it is.
    void setRange(double min, double max);
    void setMinimum(double min) { setRange(min, fMax); }
    void setMaximum(double max) { setRange(fMin, max); }

    double singleStep() const { return fStep; }
    void setSingleStep(double step) { fStep = step; }

    int decimals() const { return fDecimals; }
    // Sets the decimals of setValue and of the range hint, and renews the hint.
    void setDecimals(int decimals);

    // "0", "0.0" or "0.00" by the number of decimals (two or more give "0.00").
    const char* pattern() const;
    // "Minimum: " + minimum + "  -  " + "Maximum: " + maximum, each with pattern().
    QString rangeHint() const;

    // The note shown beside the edit while it is shown, after the user's number was put back
    // into the range, for example "5000 is above the maximum 1500.0: set to 1500.0"; else
    // empty.
    QString limitMessage() const;

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void changed();
    void edited();

protected:
    StepEnabled stepEnabled() const override;
    void hideEvent(QHideEvent* event) override;

private:
    void afterEditing();
    void toonBegrenzing(const QString& melding);
    void verbergBegrenzing();
    // How long the note on a number put back into the range stays, in milliseconds.
    static constexpr int kBegrenzingDuur = 6000;

    double fMin = 0;
    double fMax = 100;
    double fStep = 1;
    int fDecimals = 0;
    bool fGetypt = false;
    bool fGebruiker = false;
    bool fInCode = false;
    // Whether the text now in the edit is the user's (typed or stepped), not the code's.
    bool fTekstVanGebruiker = false;
    QLabel* fBegrenzing = nullptr;
    QTimer* fBegrenzingTimer = nullptr;
};
