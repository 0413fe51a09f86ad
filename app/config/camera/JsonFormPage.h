#pragma once

#include "ParamPage.h"

#include <QByteArray>
#include <QJsonObject>
#include <QScopedPointer>
#include <QSize>

class MainManager;

namespace Ui {
class JsonFormPage;
}

// The page of one JSON parameter group on cameras that describe their
// parameters in JSON: the form plug-in builds a form from the camera's text,
// and a save sends the form's description back, the operator's values in it.
// The page never reads the text's keys; what a group holds is the camera's.
//
// Subclasses name the group (request, setter), connect MainManager's changed
// and result signals of that group to their own slots and forward them here.
class JsonFormPage : public ParamPage
{
    Q_OBJECT

public:
    ~JsonFormPage() override;

    // Replaces the form with one built from the description. The old form is
    // gone even when the new one cannot be built.
    bool BuildForm(const QJsonObject &obj);

    // The form the plug-in built, or null.
    QWidget *form() const { return m_form; }

public slots:
    void onSaveBtnClicked();

protected:
    struct Group
    {
        int (MainManager::*request)();
        bool (MainManager::*setter)(const QByteArray &);
    };
    struct Look
    {
        QSize size;
        // Only the custom parameters show the form's name above it.
        bool showName = false;
    };

    JsonFormPage(QWidget *parent, const Group &group, const Look &look);

    // The bodies of the subclasses' changed and result slots.
    void formTextChanged(const QByteArray &data);
    void saveAnswered(int ret, const QByteArray &data);

    void requestParam() override;

private:
    const QScopedPointer<Ui::JsonFormPage> m_ui;
    const Group m_group;
    const bool m_showName;
    QWidget *m_form = nullptr;
    // Set by the first form that was placed and never cleared; a save looks
    // at the form as well.
    bool m_loaded = false;
};
