#pragma once

#include <QObject>
#include <QtPlugin>

// Some other Qt plug-in: it loads, but is not a form plug-in.
class ForeignInterface
{
public:
    virtual ~ForeignInterface() = default;
    virtual int answer() const = 0;
};

#define ForeignInterface_iid "MT.Test.ForeignInterface"
Q_DECLARE_INTERFACE(ForeignInterface, ForeignInterface_iid)

class ForeignPluginStub : public QObject, public ForeignInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ForeignInterface_iid)
    Q_INTERFACES(ForeignInterface)

public:
    int answer() const override { return 42; }
};
