#pragma once
#include "requestform.h"

// The WAIS award request letter, listing the confirmed squares of the WAIS list.
class Document_WAIS : public RequestForm {
    Q_OBJECT
public:
    explicit Document_WAIS(QWidget* owner = nullptr);

private:
    void createFile() override;
};
