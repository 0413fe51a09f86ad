#pragma once

#include <QScopedPointer>
#include <QWidget>

namespace Ui {
class LogMsgItemWidget;
}

// One row of the log page's column header: order, time and details, with
// optional separators between them.
class LogMsgItemWnd : public QWidget
{
    Q_OBJECT

public:
    explicit LogMsgItemWnd(QWidget *parent = nullptr);
    ~LogMsgItemWnd() override;

    void setOrderText(const QString &text);
    void setTimeText(const QString &text);
    // Simplified, elided on the right; the full text is the tooltip.
    void setDetailsText(const QString &text);
    void showSeparators(bool show);

private:
    const QScopedPointer<Ui::LogMsgItemWidget> m_ui;
};
