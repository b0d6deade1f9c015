#include "NumEdit.h"

#include "Getallen.h"

#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {
std::optional<double> Lees(const QString& text) {
    return TryStrToFloat(text.toStdString());
}
} // namespace

NumEdit::NumEdit(QWidget* parent) : QAbstractSpinBox(parent) {
    setKeyboardTracking(true);
    // The wheel never moves the focus here: scrolling a page passes over the edits.
    setFocusPolicy(Qt::StrongFocus);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    // The line edit tells of the user's typing before it tells of the change; edited()
    // follows changed(), so that its handlers see what the change handlers did.
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { fGetypt = true; });
    connect(lineEdit(), &QLineEdit::textChanged, this, [this] {
        const bool getypt = std::exchange(fGetypt, false);
        fTekstVanGebruiker = getypt;
        if (getypt) verbergBegrenzing();
        {
            const bool vorige = std::exchange(fGebruiker, getypt);
            emit changed();
            fGebruiker = vorige;
        }
        if (getypt) emit edited();
    });
    connect(this, &QAbstractSpinBox::editingFinished, this, [this] { afterEditing(); });
    setToolTip(rangeHint());
}

double NumEdit::value() const {
    const auto v = Lees(text());
    return v ? *v : fMin;
}

void NumEdit::setValue(double v) {
    if (std::isnan(v)) v = fMin;
    v = std::clamp(v, fMin, fMax);
    setText(QString::fromStdString(FormatFloat(pattern(), v)));
}

QString NumEdit::text() const {
    return lineEdit()->text();
}

void NumEdit::setText(const QString& t) {
    const bool vorige = std::exchange(fInCode, true);
    lineEdit()->setText(t);
    fInCode = vorige;
}

void NumEdit::clear() {
    setText(QString());
}

bool NumEdit::isFilled() const {
    return !text().trimmed().isEmpty();
}

void NumEdit::setRange(double min, double max) {
    fMin = min;
    fMax = std::max(min, max);
    setToolTip(rangeHint());
}

void NumEdit::setDecimals(int decimals) {
    fDecimals = std::max(0, decimals);
    setToolTip(rangeHint());
}

const char* NumEdit::pattern() const {
    if (fDecimals <= 0) return "0";
    return fDecimals == 1 ? "0.0" : "0.00";
}

QString NumEdit::rangeHint() const {
    return QStringLiteral("Minimum: ") + QString::fromStdString(FormatFloat(pattern(), fMin)) +
           QStringLiteral("  -  ") + QStringLiteral("Maximum: ") +
           QString::fromStdString(FormatFloat(pattern(), fMax));
}

void NumEdit::stepBy(int steps) {
    // A step is the user's own change, as typing is.
    fGetypt = true;
    setValue(value() + steps * fStep);
    fGetypt = false;
    selectAll();
}

QAbstractSpinBox::StepEnabled NumEdit::stepEnabled() const {
    if (isReadOnly() || !isEnabled()) return StepNone;
    const double v = value();
    StepEnabled e = StepNone;
    if (v < fMax || !isFilled()) e |= StepUpEnabled;
    if (v > fMin) e |= StepDownEnabled;
    return e;
}

QValidator::State NumEdit::validate(QString& input, int& /*pos*/) const {
    const QChar sep = QChar::fromLatin1(DecimalSeparator());
    // The user means a decimal sign by either of them: the other one, typed or pasted,
    // becomes the program's own. A whole edit refuses both; a text set in code stays.
    if (fDecimals > 0 && !fInCode) input.replace(sep == u'.' ? u',' : u'.', sep);
    bool sepSeen = false;
    int decimalen = 0;
    for (qsizetype i = 0; i < input.size(); ++i) {
        const QChar c = input[i];
        if (c.isDigit() && c.unicode() < 128) {
            // No more decimals than the edit has: a whole edit holds whole numbers, and an
            // area stays what its total shows.
            if (sepSeen && ++decimalen > fDecimals) return QValidator::Invalid;
            continue;
        }
        if (c == sep && !sepSeen && fDecimals > 0) {
            sepSeen = true;
            continue;
        }
        if (c == u'-' && i == 0 && fMin < 0) continue;
        return QValidator::Invalid;
    }
    return Lees(input) ? QValidator::Acceptable : QValidator::Intermediate;
}

void NumEdit::afterEditing() {
    if (!isFilled()) return;
    const auto v = Lees(text());
    if (!v) {
        clear();
        return;
    }
    if (*v >= fMin && *v <= fMax) return;
    const QString getypt = text().trimmed();
    const bool doorGebruiker = fTekstVanGebruiker;
    setValue(*v);
    // The user is told what became of the number typed; a value that code, a farm file
    // or a batch run brought in is put right without a word.
    if (doorGebruiker) {
        const bool boven = *v > fMax;
        toonBegrenzing(
            getypt +
            (boven ? QStringLiteral(" is above the maximum ") : QStringLiteral(" is below the minimum ")) +
            QString::fromStdString(FormatFloat(pattern(), boven ? fMax : fMin)) +
            QStringLiteral(": set to ") + text());
    }
}

void NumEdit::toonBegrenzing(const QString& melding) {
    // A window of the tool-tip kind of its own, beside the edit: Qt's tool tip goes at the
    // next key or click, and the key that left the edit has not been released yet.
    if (!fBegrenzing) {
        fBegrenzing = new QLabel(this, Qt::ToolTip | Qt::BypassGraphicsProxyWidget);
        fBegrenzing->setObjectName(QStringLiteral("NumEditBegrenzing"));
        fBegrenzing->setPalette(QToolTip::palette());
        fBegrenzing->setFont(QToolTip::font());
        fBegrenzing->setForegroundRole(QPalette::ToolTipText);
        fBegrenzing->setBackgroundRole(QPalette::ToolTipBase);
        fBegrenzing->setAutoFillBackground(true);
        fBegrenzing->setFrameStyle(QFrame::Box | QFrame::Plain);
        fBegrenzing->setMargin(3);
        fBegrenzingTimer = new QTimer(this);
        fBegrenzingTimer->setSingleShot(true);
        connect(fBegrenzingTimer, &QTimer::timeout, this, [this] { verbergBegrenzing(); });
    }
    fBegrenzing->setText(melding);
    fBegrenzing->adjustSize();
    // Beside the edit, so that it covers none of the fields below, where the user goes on.
    fBegrenzing->move(mapToGlobal(QPoint(width() + 4, (height() - fBegrenzing->height()) / 2)));
    fBegrenzing->show();
    fBegrenzingTimer->start(kBegrenzingDuur);
}

void NumEdit::verbergBegrenzing() {
    if (fBegrenzing) fBegrenzing->hide();
}

QString NumEdit::limitMessage() const {
    return fBegrenzing && fBegrenzing->isVisible() ? fBegrenzing->text() : QString();
}

void NumEdit::hideEvent(QHideEvent* event) {
    verbergBegrenzing();
    QAbstractSpinBox::hideEvent(event);
}

QSize NumEdit::sizeHint() const {
    QSize s = QAbstractSpinBox::sizeHint();
    const QFontMetrics fm(font());
    const int breedte = std::max(fm.horizontalAdvance(QString::fromStdString(FormatFloat(pattern(), fMax))),
                                 fm.horizontalAdvance(QStringLiteral("0000")));
    s.setWidth(std::max(s.width(), breedte + 36));
    return s;
}

QSize NumEdit::minimumSizeHint() const {
    return sizeHint();
}
