#pragma once

#include "KeptFields.h"

#include <QVector>
#include <QWidget>

class HintWnd;
class MainManager;
class PopupWidget;
class QLabel;

// The base of every page that edits one fixed-size camera record: it asks the
// camera when the page is refreshed, reports a save's outcome in the toast and
// keeps the error frames of the page's checks.
//
// A save runs beginSave() (frames hidden, save pending), the page's checks,
// the setter (false: saveRefused()), and ends with finishSave(result) from the
// page's result slot. Result signals reach every page connected to them,
// whichever page saved, so finishSave() ignores a result unless this page has
// a save pending: a page reports only the saves it started.
//
// Fills declare in kept() which widget shows which record field, and saves
// take the values to send from there: what the operator did not change goes
// back exactly as the camera sent it.
//
// Record signals carry a pointer that is valid only while the signal is
// delivered: slots copy what they need into widgets or members at once.
class ParamPage : public QWidget
{
    Q_OBJECT

public:
    enum class Refresh {
        OnShow, // every show of the page asks the camera
        OnRequest, // only refreshParam(), which the container calls
    };

    ~ParamPage() override;

    // Hides the error frames and asks the camera again; the reply fills the
    // page later. Containers call it on every selection of the page's tab.
    void refreshParam();

    bool savePending() const { return m_savePending; }

signals:
    // Every message the toast shows, also one that replaces a visible toast.
    void toastShown(const QString &text);

protected:
    struct Options
    {
        Refresh refresh = Refresh::OnShow;
        bool overlay = false; // a HintWnd for notices that block the page
    };

    explicit ParamPage(QWidget *parent, Options options);
    ParamPage(QWidget *parent = nullptr)
        : ParamPage(parent, Options())
    {
    }

    // The page's request(s) to the camera; the answer arrives as a record signal.
    virtual void requestParam() { }

    MainManager *manager() const { return m_manager; }
    KeptFields &kept() { return m_kept; }
    const KeptFields &kept() const { return m_kept; }
    HintWnd *overlay() const { return m_overlay; }

    // Error frames: the frame holds the icon and the red text label.
    void addErrorFrame(QWidget *frame, QLabel *textLabel);
    void showError(QWidget *frame, const QString &text);
    // Shows the frame's error when a check failed and returns the check, so
    // that a save runs every check and shows every failure:
    // passed &= showErrorUnless(check, frame, text).
    bool showErrorUnless(bool passed, QWidget *frame, const QString &text);
    void hideErrorFrames();

    // A save waits for the camera's answers to the records it sends. Saving
    // again before they all came leaves the rest of them to the earlier save.
    void beginSave(int answers = 1);
    // For pages that count the answers of one save: false for an answer that
    // still belongs to an earlier save or comes with no save pending. The
    // camera answers in the order it was asked.
    bool takeAnswer();
    // The setter did not send the record.
    void saveRefused();
    // The camera's answer to a save: 0 accepted, anything else refused.
    void finishSave(int result);
    // Ends a pending save without a toast, for answers the page reports
    // otherwise; false when no save was pending.
    bool endSave();

    void showToast(const QString &text);
    // Pages whose form nests the fields in a tab show the toast over that tab.
    void placeToastIn(QWidget *parent);

    // MainManager's record signal to a page slot. The camera's reader thread
    // waits until the slot has copied the record.
    template<typename Signal, typename Slot>
    void connectRecord(Signal signal, Slot slot)
    {
        connect(m_manager, signal, receiverFor(slot), slot, Qt::BlockingQueuedConnection);
    }
    // MainManager's result signal to a page slot; it arrives queued.
    template<typename Signal, typename Slot>
    void connectResult(Signal signal, Slot slot)
    {
        connect(m_manager, signal, receiverFor(slot), slot);
    }

    void showEvent(QShowEvent *event) override;

private:
    template<typename Slot>
    typename QtPrivate::FunctionPointer<Slot>::Object *receiverFor(Slot)
    {
        return static_cast<typename QtPrivate::FunctionPointer<Slot>::Object *>(this);
    }

    struct ErrorFrame
    {
        QWidget *frame;
        QLabel *text;
    };

    MainManager *const m_manager;
    PopupWidget *m_toast = nullptr;
    HintWnd *m_overlay = nullptr;
    const Refresh m_refresh;
    QVector<ErrorFrame> m_errorFrames;
    KeptFields m_kept;
    bool m_savePending = false;
    int m_answersDue = 0;
    int m_staleAnswers = 0;
};
