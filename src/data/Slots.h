#pragma once
// The slots of one of the World's record tables. The tables are indexed by
// the data's own numbers up to a fixed capacity, but a data set fills only
// a few hundred of the 9 999: a slot is made when it is first written, so a
// table costs what its data fills. A slot not made yet reads as an empty
// record, exactly as a slot made and never filled would. Slots live in a
// deque, so making more never moves the ones already made: a reference to
// a slot stays good while the table grows.

#include <cstddef>
#include <deque>

namespace zarvel {

template <typename T, int Capacity>
class Slots {
 public:
  // Makes the slot (and those before it) on first use.
  T& operator[](size_t index) {
    if (index >= made_.size()) made_.resize(index + 1);
    return made_[index];
  }
  const T& operator[](size_t index) const {
    static const T kEmpty{};
    return index < made_.size() ? made_[index] : kEmpty;
  }
  // How many slots have been made so far (at most the capacity when the
  // callers keep to it, as the loaders do).
  size_t size() const { return made_.size(); }
  const T& back() const { return made_.back(); }

 private:
  std::deque<T> made_;
};

}  // namespace zarvel
