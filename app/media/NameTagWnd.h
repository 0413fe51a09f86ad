#pragma once

#include <QFont>
#include <QScopedPointer>
#include <QString>
#include <QWidget>

class HintWnd;
class MainManager;
class QGraphicsScene;
class QGraphicsTextItem;
class UploadFlow;

namespace Ui {
class NameTagWnd;
}

// The maintenance page's name-tag tab. The operator composes the 250 x 122
// picture of the camera's name-tag screen (a white, black or template
// background and four movable lines of text, each with its own font, size,
// colour and weight) or imports a finished one. "生成" renders the canvas into
// the preview; "下发" uploads the preview, never the canvas, as "pic.ink" and
// then tells the camera to refresh its screen.
class NameTagWnd : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kLineCount = 4;

    explicit NameTagWnd(QWidget *parent = nullptr);
    ~NameTagWnd() override;

    // The canvas, for looking at what the operator composed.
    QGraphicsScene *scene() const { return m_scene; }
    QGraphicsTextItem *lineItem(int line) const { return m_items[line - 1]; }

public slots:
    void on_file_btn_clicked();
    void on_gen_btn_clicked();
    void on_send_btn_clicked();
    void on_reset_btn_clicked();
    void on_bush_btn_clicked();
    void on_comboBox_backcolor_currentIndexChanged(int idx);

    void on_lineEdit_text1_textChanged(const QString &text);
    void on_lineEdit_text2_textChanged(const QString &text);
    void on_lineEdit_text3_textChanged(const QString &text);
    void on_lineEdit_text4_textChanged(const QString &text);
    void on_comboBox_fontcol1_currentIndexChanged(int idx);
    void on_comboBox_fontcol2_currentIndexChanged(int idx);
    void on_comboBox_fontcol3_currentIndexChanged(int idx);
    void on_comboBox_fontcol4_currentIndexChanged(int idx);
    void on_fontComboBox_font1_currentFontChanged(const QFont &font);
    void on_fontComboBox_font2_currentFontChanged(const QFont &font);
    void on_fontComboBox_font3_currentFontChanged(const QFont &font);
    void on_fontComboBox_font4_currentFontChanged(const QFont &font);
    void on_spinBox_fontsz1_valueChanged(int value);
    void on_spinBox_fontsz2_valueChanged(int value);
    void on_spinBox_fontsz3_valueChanged(int value);
    void on_spinBox_fontsz4_valueChanged(int value);
    void on_checkBox1_stateChanged(int state);
    void on_checkBox2_stateChanged(int state);
    void on_checkBox3_stateChanged(int state);
    void on_checkBox4_stateChanged(int state);

    void onReqSetDevUpfileParam(int result);
    void onSignalUpRet(int ret);
    void onReqSetDevReflashScreen(int result);

private:
    struct LineControls;
    LineControls controls(int line) const;
    // The line's font from its combo box, size box and bold box; family, size
    // and bold give the family, the size and the weight.
    void applyFont(int line, const QFont &family, int pointSize, int checkState);
    void setTextColour(int line, int idx);
    QImage choosePicture(QString *fileName = nullptr);

    HintWnd *m_overlay = nullptr;
    MainManager *m_manager = nullptr;
    const QScopedPointer<Ui::NameTagWnd> m_ui;
    QGraphicsScene *m_scene = nullptr;
    QGraphicsTextItem *m_items[kLineCount] = {};
    const QScopedPointer<UploadFlow> m_upload;
};
