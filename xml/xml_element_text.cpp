#include "xml/xml_element_text.h"

#include <algorithm>
#include <numeric>

#include "platform/debug_log.h"

namespace strohvik {
namespace {

// The members of 0 .. count-1 not removed yet. Next finds the first one at or after a
// position in amortised near-constant time (a union-find with path halving), so
// skipping stretches already blanked costs nothing however often they are crossed.
class RemainingSet {
 public:
  explicit RemainingSet(size_t count) : next_(count + 1) { std::iota(next_.begin(), next_.end(), uint32_t{0}); }

  // count when none is left there.
  size_t Next(size_t position) {
    while (next_[position] != position) {
      next_[position] = next_[next_[position]];
      position = next_[position];
    }
    return position;
  }

  bool Contains(size_t position) const { return next_[position] == position; }

  void RemoveRange(size_t first, size_t end) {
    for (size_t i = Next(first); i < end; i = Next(i + 1)) next_[i] = static_cast<uint32_t>(end);
  }

 private:
  std::vector<uint32_t> next_;
};

// The positions of one character ('<' or '>') that have not been blanked yet.
class MarkerPositions {
 public:
  MarkerPositions(const std::string& text, char marker) : textSize_(text.size()), remaining_(0) {
    for (size_t i = text.find(marker); i != std::string::npos; i = text.find(marker, i + 1)) {
      positions_.push_back(static_cast<uint32_t>(i));
    }
    remaining_ = RemainingSet(positions_.size());
  }

  // The text size when there is none.
  size_t FirstAtOrAfter(size_t position) {
    const size_t rank = remaining_.Next(RankOf(position));
    return rank < positions_.size() ? positions_[rank] : textSize_;
  }

  void RemoveRange(size_t first, size_t end) { remaining_.RemoveRange(RankOf(first), RankOf(end)); }

 private:
  size_t RankOf(size_t position) const {
    return static_cast<size_t>(std::lower_bound(positions_.begin(), positions_.end(), position) - positions_.begin());
  }

  size_t textSize_;
  std::vector<uint32_t> positions_;
  RemainingSet remaining_;
};

// The working copy of the text: the original characters, some of them blanked.
class BlankableText {
 public:
  explicit BlankableText(const std::string& text)
      : text_(text), unblanked_(text.size()), opens_(text, '<'), closes_(text, '>') {}

  size_t Size() const { return text_.size(); }
  size_t FirstOpenAtOrAfter(size_t position) { return opens_.FirstAtOrAfter(position); }
  size_t FirstCloseAtOrAfter(size_t position) { return closes_.FirstAtOrAfter(position); }

  // Blanks the characters from first through last, or through the end of the text.
  void BlankThrough(size_t first, size_t last) {
    const size_t end = std::min(last, text_.size() - 1) + 1;
    unblanked_.RemoveRange(first, end);
    opens_.RemoveRange(first, end);
    closes_.RemoveRange(first, end);
  }

  // The characters of [first, end) with each blanked stretch as a single space, which is
  // what the later collapsing of space runs would leave of it anyway.
  std::string Read(size_t first, size_t end) {
    std::string out;
    for (size_t i = first; i < end;) {
      if (!unblanked_.Contains(i)) {
        out.push_back(' ');
        i = unblanked_.Next(i);
        continue;
      }
      const size_t runBegin = i;
      while (i < end && unblanked_.Contains(i)) ++i;
      out.append(text_, runBegin, i - runBegin);
    }
    return out;
  }

 private:
  const std::string& text_;
  RemainingSet unblanked_;
  MarkerPositions opens_;
  MarkerPositions closes_;
};

// The text of a start tag at position open: from after its '>' up to the next '<'; then
// the stretch through the next '>' after its own (normally its end tag's) is blanked.
std::string TakeStartTagText(BlankableText& text, size_t open) {
  const size_t end = text.Size();
  const size_t close = text.FirstCloseAtOrAfter(open);
  const size_t textBegin = std::min(close + 1, end);
  const size_t textEnd = text.FirstOpenAtOrAfter(open + 1);
  std::string elementText = textBegin < textEnd ? text.Read(textBegin, textEnd) : std::string();
  const size_t secondClose = close < end ? text.FirstCloseAtOrAfter(close + 1) : end;
  text.BlankThrough(open, secondClose);
  return elementText;
}

// Node indexes with a level of 0 or more, deepest level first, list order within a level.
std::vector<size_t> DeepestFirst(const XMLNodeList& nodes) {
  int32_t deepest = 0;
  for (const auto& node : nodes) deepest = std::max(deepest, node->ebene);
  std::vector<size_t> firstOfLevel(static_cast<size_t>(deepest) + 2, 0);
  for (const auto& node : nodes) {
    if (node->ebene >= 0) ++firstOfLevel[static_cast<size_t>(deepest - node->ebene) + 1];
  }
  std::partial_sum(firstOfLevel.begin(), firstOfLevel.end(), firstOfLevel.begin());
  std::vector<size_t> order(firstOfLevel.back());
  for (size_t i = 0; i < nodes.size(); ++i) {
    if (nodes[i]->ebene >= 0) order[firstOfLevel[static_cast<size_t>(deepest - nodes[i]->ebene)]++] = i;
  }
  return order;
}

}  // namespace

int32_t AssignLevels(XMLNodeList& nodes) {
  int32_t level = 0;
  for (auto& node : nodes) {
    if (node->typ == kEndTag) --level;
    node->ebene = level;
    if (node->typ == kStartTag) ++level;
  }
  return level;
}

bool AssignElementTexts(const std::string& text, XMLNodeList& nodes, ParseBudget& budget) {
  BlankableText working(text);
  for (const size_t index : DeepestFirst(nodes)) {
    XMLNode& node = *nodes[index];
    const size_t open = static_cast<size_t>(node.pos - 1);
    if (node.typ == kStartTag) {
      node.text = TakeStartTagText(working, open);
      if (!budget.Spend(int64_t(node.text.size()))) {
        DebugLog("XML: the element texts take more memory than a document may");
        return false;
      }
    } else if (node.typ != kEndTag) {
      working.BlankThrough(open, working.FirstCloseAtOrAfter(open));
    }
  }
  return true;
}

}  // namespace strohvik
