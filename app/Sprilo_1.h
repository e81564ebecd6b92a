// The main window TForm1: the hub from which every command starts.
#pragma once

#include <QMainWindow>

class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;
};
