#pragma once
#include "requestform.h"

#include <functional>

// The DCI award request file, listing the lines of the DCI castle list.
class Document_DCI : public RequestForm {
    Q_OBJECT
public:
    explicit Document_DCI(QWidget* owner = nullptr);

    // Where the castle list's lines come from instead of the open Aff_Contacte (tests); null
    // gives Aff_Contacte back.
    static void setListSource(std::function<QStringList()> source);

private:
    void createFile() override;
};
