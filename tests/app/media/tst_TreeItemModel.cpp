// The media tree: check states between days and files, what the model
// reports, the delegate's check box and the view's press on a day.

#include "TreeItem.h"
#include "TreeItemDelegate.h"
#include "TreeItemModel.h"
#include "TreeView.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

using Tick = QPair<QString, bool>;

// Days of files named d<day>f<file>, each day with its file count.
QVector<TreeItem *> makeGroups(const QList<int> &fileCounts)
{
    QVector<TreeItem *> groups;
    for (int day = 0; day < fileCounts.size(); ++day) {
        auto *group = new TreeItem;
        group->setDate(QDate(2026, 12, 10 - day));
        for (int file = 0; file < fileCounts.at(day); ++file) {
            auto *item = new TreeItem(group);
            item->setPath(QStringLiteral("/DCIM/d%1f%2.MP4").arg(day).arg(file));
            item->setStart(QDateTime(group->date(), QTime(12, 0, file)));
            group->appendChild(item);
        }
        groups.append(group);
    }
    return groups;
}

// One step: "day <n>" or "file <day> <n>" set to a state, "all <state>".
struct Action
{
    QString what;
    int day = 0;
    int file = 0;
    int value = 0;
};

} // namespace

Q_DECLARE_METATYPE(QList<Action>)

class tst_TreeItemModel : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_model.reset(new TreeItemModel);
        m_tester.reset(new QAbstractItemModelTester(m_model.get(),
                                                    QAbstractItemModelTester::FailureReportingMode::Fatal));
        m_model->resetGroups(makeGroups({3, 2}));
    }

    void cleanup()
    {
        m_tester.reset();
        m_model.reset();
    }

    void shapeAndIndexesFollowTheNodes()
    {
        QCOMPARE(m_model->rowCount(), 2);
        const QModelIndex day = m_model->index(0, 0);
        QCOMPARE(m_model->rowCount(day), 3);
        const QModelIndex file = m_model->index(2, 0, day);
        QCOMPARE(m_model->parent(file), day);
        QCOMPARE(m_model->parent(day), QModelIndex());
        QCOMPARE(m_model->data(file, Qt::UserRole).value<QModelIndex>(), file);
        QVERIFY(!m_model->data(file, Qt::DisplayRole).isValid());
        QVERIFY(!m_model->index(3, 0, day).isValid());
        QVERIFY(!m_model->setData(file, true, Qt::EditRole));
        QCOMPARE(m_model->root()->child(0)->child(2)->row(), 2);
        QVERIFY(!m_model->root()->child(-1));
    }

    void ticksPropagate_data()
    {
        QTest::addColumn<QList<Action>>("actions");
        QTest::addColumn<QList<Tick>>("reported");
        QTest::addColumn<bool>("dayTicked");
        QTest::addColumn<bool>("rootTicked");
        QTest::addColumn<int>("allSignals");

        const QString f0 = "/DCIM/d0f0.MP4", f1 = "/DCIM/d0f1.MP4", f2 = "/DCIM/d0f2.MP4";
        const QString g0 = "/DCIM/d1f0.MP4", g1 = "/DCIM/d1f1.MP4";
        QTest::newRow("tick a day of three")
                << QList<Action>{{"day", 0, 0, 1}} << QList<Tick>{{f0, true}, {f1, true}, {f2, true}} << true
                << false << 1;
        QTest::newRow("untick one file of a ticked day")
                << QList<Action>{{"day", 0, 0, 1}, {"file", 0, 1, 0}}
                << QList<Tick>{{f0, true}, {f1, true}, {f2, true}, {f1, false}} << false << false << 2;
        QTest::newRow("ticking the last unticked file ticks the day")
                << QList<Action>{{"file", 0, 0, 1}, {"file", 0, 1, 1}, {"file", 0, 2, 1}}
                << QList<Tick>{{f0, true}, {f1, true}, {f2, true}} << true << false << 3;
        QTest::newRow("ticking both days ticks the root")
                << QList<Action>{{"day", 0, 0, 1}, {"day", 1, 0, 1}}
                << QList<Tick>{{f0, true}, {f1, true}, {f2, true}, {g0, true}, {g1, true}} << true << true << 2;
        QTest::newRow("all with 2 ticks every file, the root keeps its own flag")
                << QList<Action>{{"all", 0, 0, Qt::Checked}}
                << QList<Tick>{{f0, true}, {f1, true}, {f2, true}, {g0, true}, {g1, true}} << true << false << 0;
        QTest::newRow("all with 1 unticks")
                << QList<Action>{{"day", 0, 0, 1}, {"all", 0, 0, Qt::PartiallyChecked}}
                << QList<Tick>{{f0, true}, {f1, true}, {f2, true}, {f0, false}, {f1, false}, {f2, false},
                               {g0, false}, {g1, false}}
                << false << false << 1;
    }

    void ticksPropagate()
    {
        QFETCH(QList<Action>, actions);
        QFETCH(QList<Tick>, reported);
        QFETCH(bool, dayTicked);
        QFETCH(bool, rootTicked);
        QFETCH(int, allSignals);

        QList<Tick> seen;
        connect(m_model.get(), &TreeItemModel::checkStatusChanged, this,
                [&seen](const QString &path, bool checked) { seen.append({path, checked}); });
        QSignalSpy all(m_model.get(), &TreeItemModel::sigAllCheckStateChange);
        for (const Action &action : actions) {
            if (action.what == "all") {
                m_model->setAllChecked(action.value);
            } else {
                QModelIndex index = m_model->index(action.day, 0);
                if (action.what == "file")
                    index = m_model->index(action.file, 0, index);
                QVERIFY(m_model->setData(index, bool(action.value), Qt::CheckStateRole));
            }
        }
        QCOMPARE(seen, reported);
        QCOMPARE(m_model->root()->child(0)->isTicked(), dayTicked);
        QCOMPARE(m_model->root()->isTicked(), rootTicked);
        QCOMPARE(all.count(), allSignals);
    }

    void checkBoxHitTest_data()
    {
        QTest::addColumn<bool>("dayRow");
        QTest::addColumn<QPoint>("offset");   // from the row's top-left
        QTest::addColumn<bool>("toggles");

        // A 30-high row: the box spans x 6..29 and y 3..26.
        const QList<QPair<QPoint, bool>> points{{{6, 3}, true},   {{29, 26}, true}, {{17, 15}, true},
                                                {{5, 15}, false}, {{30, 15}, false}, {{17, 2}, false},
                                                {{17, 27}, false}, {{200, 15}, false}};
        for (bool day : {false, true})
            for (const auto &point : points)
                QTest::addRow("%s at %d,%d", day ? "day" : "file", point.first.x(), point.first.y())
                        << day << point.first << point.second;
    }

    void checkBoxHitTest()
    {
        QFETCH(bool, dayRow);
        QFETCH(QPoint, offset);
        QFETCH(bool, toggles);

        TreeItemDelegate delegate;
        const QModelIndex day = m_model->index(0, 0);
        const QModelIndex index = dayRow ? day : m_model->index(1, 0, day);
        QStyleOptionViewItem option;
        option.rect = QRect(10, 40, 400, 30);
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(option.rect.topLeft() + offset), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        const bool handled = delegate.editorEvent(&press, m_model.get(), option, index);
        QCOMPARE(handled, toggles);
        QCOMPARE(static_cast<TreeItem *>(index.internalPointer())->isTicked(), toggles);

        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(option.rect.topLeft() + QPoint(17, 15)),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QVERIFY(!delegate.editorEvent(&release, m_model.get(), option, index));
        QCOMPARE(static_cast<TreeItem *>(index.internalPointer())->isTicked(), toggles);
    }

    void aPressOnADayOpensAndClosesIt()
    {
        TreeView view;
        TreeItemDelegate delegate;
        view.setItemDelegate(&delegate);
        view.setModel(m_model.get());
        view.resize(500, 300);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const QModelIndex day = m_model->index(0, 0);
        QVERIFY(!view.isExpanded(day));

        const QRect row = view.visualRect(day);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
        QVERIFY(view.isExpanded(day));
        QVERIFY(!m_model->root()->child(0)->isTicked());
        // On its check box the day is ticked and closes again.
        QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier,
                          TreeItemDelegate::checkBoxRect(view.visualRect(day)).center());
        QVERIFY(!view.isExpanded(day));
        QVERIFY(m_model->root()->child(0)->isTicked());
        // A file row stays as it was.
        view.expand(day);
        const QModelIndex file = m_model->index(0, 0, day);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, view.visualRect(file).center());
        QVERIFY(view.isExpanded(day));
        QVERIFY(m_model->root()->child(0)->child(0)->isTicked());
    }

    void iconFollowsTheSuffixInAnyCase_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("icon");
        QTest::newRow("mp4") << "2026-12-10 10:00:00 a.mp4" << ":/Resources/image/Meida_Video.png";
        QTest::newRow("JPG") << "a.JPG" << ":/Resources/image/Media_Pictrue.png";
        QTest::newRow("wav") << "a.Wav" << ":/Resources/image/Media_Radio.png";
        QTest::newRow("aac") << "a.aac" << ":/Resources/image/Media_Radio.png";
        QTest::newRow("text") << "a.txt" << "";
        QTest::newRow("no dot") << "MP4" << "";
    }

    void iconFollowsTheSuffixInAnyCase()
    {
        QFETCH(QString, name);
        QFETCH(QString, icon);
        QCOMPARE(TreeItemDelegate::iconPath(name), icon);
    }

private:
    std::unique_ptr<TreeItemModel> m_model;
    std::unique_ptr<QAbstractItemModelTester> m_tester;
};

QTEST_MAIN(tst_TreeItemModel)
#include "tst_TreeItemModel.moc"
