#pragma once
// A label that keeps its width whatever text it is given: a text too long for it
// is shown elided (in at most two lines when it wraps) and whole in its tool
// tip. text() stays the whole text, for everything that reads the label.

#include <QLabel>

class ElidedLabel : public QLabel {
  public:
    explicit ElidedLabel(const QString& text, QWidget* parent = nullptr);

    // Whether the label shows less than its whole text at its present width.
    bool isElided() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    // The text as it fits `width`, its lines separated by line feeds.
    QString shownText(int width) const;
    // The first lines of the wrapped text; `total` counts one more when more follow.
    QStringList wrappedLines(int width, int& total, qsizetype* lastStart = nullptr) const;
    QString head() const;
};
