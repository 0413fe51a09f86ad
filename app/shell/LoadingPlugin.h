#pragma once

#include <QList>
#include <QPixmap>
#include <QScopedPointer>
#include <QWidget>

class QTimer;

namespace Ui {
class LoadingPlugin;
}

// The busy overlay: an animated picture and a text over a light veil. Its
// animation runs while it is shown. All busy overlays of the process advance
// one shared frame counter.
//
// The page builds it once, hides it at once, and shows and hides it. Whenever
// it shows it covers its whole parent and comes above every sibling, and it
// follows the parent's size while shown.
class LoadingPlugin : public QWidget
{
    Q_OBJECT

public:
    explicit LoadingPlugin(QWidget *parent = nullptr);
    ~LoadingPlugin() override;

    void SetWaitingText(const QString &text);
    // The picture and text are centred in the covered area less these
    // margins: a page whose controls stay readable under the veil keeps them
    // clear of the busy row.
    void setRowMargins(const QMargins &margins);

public slots:
    void onTimerChangePic();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    const QScopedPointer<Ui::LoadingPlugin> m_ui;
    QList<QPixmap> m_pictures;
    QTimer *m_timer = nullptr;
};
