# Precompiled Qt headers. Parsing Qt's headers is most of what compiling one
# of our files costs, and every file of the program, the plug-in and the tests
# parses the same ones; with one precompiled copy per kind of target they are
# parsed a handful of times per build instead of a thousand.
#
# GCC takes a precompiled header only where the compiler options match those
# it was built with and every macro it was built with (QT_WIDGETS_LIB and the
# like) is defined alike; further macros do no harm. Elsewhere it parses the
# headers instead, and -Winvalid-pch says so: hosts link as little as they can.
option(VANTREL_PCH "Compile with precompiled Qt headers" ON)

set(VANTREL_PCH_QT_CORE
    <QByteArray> <QCoreApplication> <QDateTime> <QDebug> <QDir> <QElapsedTimer> <QFile> <QFileInfo>
    <QJsonArray> <QJsonDocument> <QJsonObject> <QJsonValue> <QList> <QMap> <QObject> <QPointer>
    <QRegExp> <QScopedPointer> <QString> <QStringList> <QTextCodec> <QThread> <QTimer> <QVector>
    <QtEndian> <QtGlobal>)
set(VANTREL_PCH_QT_WIDGETS ${VANTREL_PCH_QT_CORE}
    <QApplication> <QCheckBox> <QColor> <QComboBox> <QFont> <QHeaderView> <QImage> <QKeyEvent>
    <QLabel> <QLineEdit> <QMessageBox> <QMouseEvent> <QPainter> <QPushButton> <QRegExpValidator>
    <QStyledItemDelegate> <QTabWidget> <QToolButton> <QVBoxLayout> <QWidget>)

if(VANTREL_PCH)
    add_compile_options(-Winvalid-pch)
    # Two hosts for the test programs, which all share one set of compile
    # options: one for the tests of widgets, one for those of Qt Core alone
    # (a test's main() differs with the Qt modules it links).
    add_executable(VantrelPchTestWidgets EXCLUDE_FROM_ALL ${CMAKE_CURRENT_LIST_DIR}/pch/PchHost.cpp)
    target_link_libraries(VantrelPchTestWidgets PRIVATE Qt5::Test Qt5::Widgets)
    target_precompile_headers(VantrelPchTestWidgets PRIVATE <QtTest> <QSignalSpy> ${VANTREL_PCH_QT_WIDGETS})
    add_executable(VantrelPchTestCore EXCLUDE_FROM_ALL ${CMAKE_CURRENT_LIST_DIR}/pch/PchHost.cpp)
    target_link_libraries(VantrelPchTestCore PRIVATE Qt5::Test)
    target_precompile_headers(VantrelPchTestCore PRIVATE <QtTest> <QSignalSpy> ${VANTREL_PCH_QT_CORE})
    set_target_properties(VantrelPchTestWidgets VantrelPchTestCore PROPERTIES
        AUTOMOC OFF AUTOUIC OFF AUTORCC OFF
        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/pch)
endif()

# vantrel_precompile_qt(<target>): the target precompiles the Qt headers of
# the program's libraries itself; they are all built with the same options.
function(vantrel_precompile_qt target)
    if(VANTREL_PCH)
        target_precompile_headers(${target} PRIVATE ${VANTREL_PCH_QT_WIDGETS})
    endif()
endfunction()

# vantrel_reuse_pch(<target> <host>): the target takes the host's precompiled
# headers, built once with the same options.
function(vantrel_reuse_pch target host)
    if(VANTREL_PCH)
        target_precompile_headers(${target} REUSE_FROM ${host})
    endif()
endfunction()

# The highest Qt module among the libraries given and the ones they link
# publicly: Widgets, Gui, Core or nothing.
function(_vantrel_qt_level out)
    set(level "")
    set(seen "")
    set(queue ${ARGN})
    while(queue)
        list(POP_FRONT queue item)
        if(item STREQUAL "Qt5::Widgets")
            set(level Widgets)
            break()
        elseif(item STREQUAL "Qt5::Gui")
            set(level Gui)
        elseif(item STREQUAL "Qt5::Core" AND NOT level)
            set(level Core)
        endif()
        if(item IN_LIST seen OR NOT TARGET ${item})
            continue()
        endif()
        list(APPEND seen ${item})
        get_target_property(links ${item} INTERFACE_LINK_LIBRARIES)
        if(links)
            list(APPEND queue ${links})
        endif()
    endwhile()
    set(${out} ${level} PARENT_SCOPE)
endfunction()

# vantrel_reuse_test_pch(<test target> <libraries...>): the test takes the
# precompiled headers of the host that matches the Qt modules it links.
function(vantrel_reuse_test_pch target)
    if(NOT VANTREL_PCH)
        return()
    endif()
    _vantrel_qt_level(level Qt5::Test ${ARGN})
    if(level STREQUAL "Widgets")
        target_precompile_headers(${target} REUSE_FROM VantrelPchTestWidgets)
    elseif(level STREQUAL "Core")
        target_precompile_headers(${target} REUSE_FROM VantrelPchTestCore)
    endif()
endfunction()
