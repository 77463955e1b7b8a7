#pragma once
// --speak: the game's new text read aloud in Czech by speech-dispatcher
// (spd-say, with the espeak-ng voice Debian ships), for players without a
// screen reader.

#include <string>
#include <vector>

namespace zarvel::tty {

class Speech {
 public:
  // Queues the paragraphs, in order, as one message.
  void Say(const std::vector<std::string>& paragraphs);
  // Stops what is being said and drops what is queued; only when
  // something was said since the last cancel.
  void Cancel();

 private:
  // Runs spd-say with the arguments and waits for it (it only hands the
  // message to the speech server). False when it cannot be started.
  bool Run(const std::vector<std::string>& arguments);

  bool broken_ = false;  // spd-say is missing: said once, then silent
  bool speaking_ = false;
};

}  // namespace zarvel::tty
