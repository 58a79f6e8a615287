#include "app/Application.h"
#include "confirm/FrmInstorageSendCheck.h"

int main(int argc, char** argv) {
    Application app(argc, argv);
    TFormSalSendCheck form;
    form.showCentred();
    return app.exec();
}
