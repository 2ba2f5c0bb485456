#pragma once

#include <QPointer>
#include <QWidget>

class GradientPanel;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

class TFrmshez : public QWidget
{
    Q_OBJECT
public:
    explicit TFrmshez(QWidget *parent = nullptr);

    GradientPanel *Panel1 = nullptr;
    QGroupBox *RzGroupBox1 = nullptr;
    QLineEdit *RzEdit1 = nullptr;
    QGroupBox *RzGroupBox2 = nullptr;
    QComboBox *RzComboBox1 = nullptr;
    QPushButton *RzBitBtn2 = nullptr;
    QPushButton *RzBitBtn4 = nullptr;

    void FormShow();
    void RzBitBtn2Click();
    void RzBitBtn4Click();

    // The list entry chosen, or -1 when the text typed is none of them.
    int selectedSkinIndex() const;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
};

extern QPointer<TFrmshez> Frmshez;
