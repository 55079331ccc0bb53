#pragma once
#include "requestform.h"

// The DCI award request file, listing the lines of the DCI castle list.
class Document_DCI : public RequestForm {
    Q_OBJECT
public:
    explicit Document_DCI(QWidget* owner = nullptr);

private:
    void createFile() override;
};
