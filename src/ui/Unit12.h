#pragma once

#include <QWidget>

// "Doravel3 Hakkında": the product and its maker. Not modal; closing it hides it.
class TForm12 : public QWidget {
    Q_OBJECT
public:
    explicit TForm12(QWidget* parent = nullptr);

    // Shows the window centred on the desktop, or brings it forward.
    void showAbout();
};
