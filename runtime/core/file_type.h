#pragma once

#include <vector>

#include "runtime/core/string.h"

namespace rt {

// A kind of document that the open-file dialog can be filtered to, known to the runtime by its
// name once registered.
class FileType {
 public:
  FileType() = default;
  ~FileType();  // a type that goes is no longer known to the runtime
  FileType(const FileType&) = delete;
  FileType& operator=(const FileType&) = delete;

  void SetName(const String& name);
  void SetExtensions(const String& extensions);
  void SetMacType(const String& macType);
  void SetMacCreator(const String& macCreator);
  void SetMimeType(const String& mimeType);
  void SetImported(bool imported);
  void SetConformsTo(const String& conformsTo);

  const String& Name() const { return name_; }
  const String& Extensions() const { return extensions_; }
  const String& MacType() const { return macType_; }
  const String& MacCreator() const { return macCreator_; }
  const String& MimeType() const { return mimeType_; }
  bool Imported() const { return imported_; }
  const String& ConformsTo() const { return conformsTo_; }

  // The type as text (its name); registers the type with the runtime first.
  String OperatorConvert();
  void Register();

 private:
  void Withdraw();  // setting any value withdraws an existing registration

  String name_;
  String extensions_;
  String macType_;
  String macCreator_;
  String mimeType_;
  bool imported_ = false;
  String conformsTo_;
  bool registered_ = false;
};

// The registered type of that name, or nullptr.
const FileType* FindRegisteredFileType(const String& name);

// Files of the type of that name are plain text, though the type names no endings of its own; the
// open-file dialog then offers the endings that text data is usually saved with.
void TreatAsPlainText(const String& fileTypeName);
// A type named so, or one whose MIME type is a text type.
bool IsPlainText(const FileType& type);

}  // namespace rt
