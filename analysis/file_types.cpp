#include "analysis/file_types.h"

std::vector<rt::FileType*> FileTypes1::pAllFileTypes;
std::unique_ptr<rt::FileType> FileTypes1::pText;

void FileTypes1::Initialize() {
  // A second start-up in the same process (the tests run several) replaces the type.
  std::erase(pAllFileTypes, pText.get());
  pText = std::make_unique<rt::FileType>();
  pText->SetName(kTextName);
  pText->SetExtensions("");
  pText->SetMacType("");
  pText->SetMacCreator("");
  pText->SetMimeType("");
  pText->SetImported(true);
  pText->SetConformsTo("");
  pAllFileTypes.push_back(pText.get());
  // Taking the type as text registers it, after which the open-file dialog knows its name.
  [[maybe_unused]] const rt::String name = Text()->OperatorConvert();
}
