// The unit Main: the settings dialog, in which the user sets the wind from
// -12 to 12 and stores it for the screensaver's next start.
#pragma once

#include <cstdint>

#include "ui/application.h"
#include "ui/controls.h"
#include "ui/form.h"

class Tmainform : public TForm {
public:  // components, as the form resource makes them
  TButton OK;
  TEdit WindEdit;
  TUpDown UpDown;
  TLabel Label3;
  TButton Cancel;
  TLabel Label4;
  TGroupBox GroupBox;
  TLabel Label1;
  TLabel Label2;
  TLabel Label5;
  TLabel Label6;
  TButton License;
  TImage Image1;

  void OKClick(TObject* Sender);
  void CancelClick(TObject* Sender);
  void Label1Click(TObject* Sender);
  void Label2Click(TObject* Sender);
  void LicenseClick(TObject* Sender);

private:
  // The stored wind, as read when the form was made.
  int32_t WindValue = 0;

  void LoadFormResource();

public:
  explicit Tmainform(TComponent* Owner);
};

extern Tmainform* mainform;

// What the dialog shows when Windows Help cannot show the licence.
extern const wchar_t* const HelpFileMissingMessage;
