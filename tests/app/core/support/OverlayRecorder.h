#pragma once

#include <QObject>
#include <QStringList>

// Records, while it lives, every toast, hint overlay and busy overlay that any
// window shows, with the text it showed at that moment:
//
//     OverlayRecorder recorder;
//     page.save();
//     QTRY_COMPARE(recorder.texts(OverlayRecorder::Toast), {"保存成功"});
//
// A toast that is already visible gets no new show event, so a text changed
// while it shows is not recorded again (read its label for that).
class OverlayRecorder : public QObject
{
    Q_OBJECT

public:
    enum Kind { Toast, Hint, Busy };

    struct Shown
    {
        Kind kind;
        QString text;
        QObject *overlay;
    };

    OverlayRecorder();
    ~OverlayRecorder() override;

    const QList<Shown> &shown() const { return m_shown; }
    QStringList texts(Kind kind) const;
    void clear() { m_shown.clear(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QList<Shown> m_shown;
};
