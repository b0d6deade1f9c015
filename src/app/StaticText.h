// A static text: a caption that is no value label (so "every label of a page" leaves it
// alone), or, as a link, an underlined text with a hand cursor that reports clicks.
#pragma once

#include <QLabel>

class StaticText : public QLabel {
    Q_OBJECT
public:
    explicit StaticText(const QString& text = QString(), QWidget* parent = nullptr);

    // Underlined, hand cursor; clicked() fires on a left-button release inside the text.
    void setLink(bool link);
    bool isLink() const { return fLink; }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool fLink = false;
};
