#include "runtime/core/file_type.h"

#include <algorithm>

#include "runtime/core/startup_trace.h"

namespace rt {
namespace {

// Never destroyed: a type held in a static made before the registry (the program's own) withdraws
// itself at exit after every later static is gone.
std::vector<const FileType*>& Registry() {
  static auto* const registry = new std::vector<const FileType*>();
  return *registry;
}

}  // namespace

FileType::~FileType() {
  Withdraw();
}

void FileType::SetName(const String& name) {
  Withdraw();
  name_ = name;
}
void FileType::SetExtensions(const String& extensions) {
  Withdraw();
  extensions_ = extensions;
}
void FileType::SetMacType(const String& macType) {
  Withdraw();
  macType_ = macType;
}
void FileType::SetMacCreator(const String& macCreator) {
  Withdraw();
  macCreator_ = macCreator;
}
void FileType::SetMimeType(const String& mimeType) {
  Withdraw();
  mimeType_ = mimeType;
}
void FileType::SetImported(bool imported) {
  Withdraw();
  imported_ = imported;
}
void FileType::SetConformsTo(const String& conformsTo) {
  Withdraw();
  conformsTo_ = conformsTo;
}

String FileType::OperatorConvert() {
  Register();
  return name_;
}

void FileType::Register() {
  if (registered_) return;
  TraceStartupStep("RegisterFileType " + name_.ToUtf8());
  Registry().push_back(this);
  registered_ = true;
}

void FileType::Withdraw() {
  if (!registered_) return;
  auto& registry = Registry();
  registry.erase(std::remove(registry.begin(), registry.end(), this), registry.end());
  registered_ = false;
}

namespace {
std::vector<String>& PlainTextTypeNames() {
  static std::vector<String> names;
  return names;
}
}  // namespace

void TreatAsPlainText(const String& fileTypeName) {
  std::vector<String>& names = PlainTextTypeNames();
  if (std::find(names.begin(), names.end(), fileTypeName) == names.end()) {
    names.push_back(fileTypeName);
  }
}

bool IsPlainText(const FileType& type) {
  const std::vector<String>& names = PlainTextTypeNames();
  return std::find(names.begin(), names.end(), type.Name()) != names.end() ||
         type.MimeType().ToUtf8().starts_with("text/");
}

const FileType* FindRegisteredFileType(const String& name) {
  for (const FileType* type : Registry()) {
    if (type->Name() == name) return type;
  }
  return nullptr;
}

}  // namespace rt
