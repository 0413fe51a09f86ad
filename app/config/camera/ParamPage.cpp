#include "ParamPage.h"

#include "HintWnd.h"
#include "MainManager.h"
#include "PopupWidget.h"

#include <QLabel>

namespace {
// The overlay covers the page area of the configuration window.
constexpr int kOverlayWidth = 1044;
constexpr int kOverlayHeight = 696;
} // namespace

ParamPage::ParamPage(QWidget *parent, Options options)
    : QWidget(parent)
    , m_manager(MainManager::GetInstance())
    , m_refresh(options.refresh)
{
    m_toast = new PopupWidget(this);
    m_toast->hide();
    m_toast->raise();
    if (options.overlay) {
        m_overlay = new HintWnd(this);
        m_overlay->resize(kOverlayWidth, kOverlayHeight);
        m_overlay->raise();
        m_overlay->hide();
        m_overlay->showOkBtn(true);
    }
}

ParamPage::~ParamPage()
{
    disconnect(m_manager, nullptr, this, nullptr);
    delete m_toast;
}

void ParamPage::refreshParam()
{
    hideErrorFrames();
    requestParam();
}

void ParamPage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_refresh == Refresh::OnShow)
        refreshParam();
}

void ParamPage::addErrorFrame(QWidget *frame, QLabel *textLabel)
{
    m_errorFrames.append({frame, textLabel});
    frame->hide();
}

bool ParamPage::showErrorUnless(bool passed, QWidget *frame, const QString &text)
{
    if (!passed)
        showError(frame, text);
    return passed;
}

void ParamPage::showError(QWidget *frame, const QString &text)
{
    for (const ErrorFrame &error : qAsConst(m_errorFrames)) {
        if (error.frame == frame) {
            error.text->setText(text);
            error.frame->show();
        }
    }
}

void ParamPage::hideErrorFrames()
{
    for (const ErrorFrame &error : qAsConst(m_errorFrames))
        error.frame->hide();
}

void ParamPage::beginSave(int answers)
{
    hideErrorFrames();
    if (m_savePending)
        m_staleAnswers += m_answersDue;
    m_answersDue = answers;
    m_savePending = true;
}

bool ParamPage::takeAnswer()
{
    if (m_staleAnswers > 0) {
        --m_staleAnswers;
        return false;
    }
    if (!m_savePending || m_answersDue <= 0)
        return false;
    --m_answersDue;
    return true;
}

void ParamPage::saveRefused()
{
    m_savePending = false;
    showToast(tr("保存失败"));
}

void ParamPage::finishSave(int result)
{
    if (endSave())
        showToast(result == 0 ? tr("保存成功") : tr("保存失败"));
}

bool ParamPage::endSave()
{
    const bool pending = m_savePending;
    m_savePending = false;
    return pending;
}

void ParamPage::showToast(const QString &text)
{
    m_toast->setText(text);
    m_toast->show();
    emit toastShown(text);
}

void ParamPage::placeToastIn(QWidget *parent)
{
    m_toast->setParent(parent);
    m_toast->hide();
    m_toast->raise();
}
