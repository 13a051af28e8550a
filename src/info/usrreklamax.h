// The title banner across the top of the main window.
#pragma once

#include <QWidget>

namespace ortelana {

class usrReklamaX : public QWidget
{
    Q_OBJECT

public:
    explicit usrReklamaX(QWidget *parent = nullptr);
};

} // namespace ortelana
