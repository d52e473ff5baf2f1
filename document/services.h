#pragma once
// What the core needs of the user interface. The shell implements these with
// Qt; tests implement them with recorders.
#include <string>

namespace norva {

class CDocument;

enum class MsgIcon { Information, Warning, Critical, Question, None };
enum class MsgAnswer { Ok, Cancel, Yes, No };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };

class IMessageSink {
 public:
  virtual ~IMessageSink() = default;
  // title is the program title unless a caller says otherwise.
  virtual MsgAnswer Show(const std::string& title, const std::string& text, MsgIcon icon,
                         MsgButtons buttons) = 0;
};

class IProgress {
 public:
  virtual ~IProgress() = default;
  // percent of the whole run, 0..100; text may be empty (keep the last one).
  virtual void Report(int percent, const std::string& text) = 0;
};

class IScreenHost {
 public:
  virtual ~IScreenHost() = default;
  // Show screen `no` (0..5) of the document.
  virtual void ShowForm(CDocument& doc, int no) = 0;
  virtual void UpdateCommandState() = 0;
  virtual void UpdateDataSummary() = 0;
};

// The program-wide sink; a silent default until the shell installs its own.
IMessageSink& MessageSink();
void SetMessageSink(IMessageSink* sink);

inline constexpr const char* kProgramTitle = "NorvaV4";

}  // namespace norva
