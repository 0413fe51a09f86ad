#pragma once

#include <QObject>
#include <QtPlugin>

// A plug-in of another interface, which the host must refuse as a form plug-in.
class ForeignPlugin : public QObject
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "MT.Other.UnrelatedInterface" FILE "ForeignPlugin.json")
};
