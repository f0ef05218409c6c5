#include "model/XmlNodeText.h"

namespace velkor {

namespace {

bool IsText(pugi::xml_node node) {
  return node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata;
}

// The node after `node` in document order within the subtree of `top`, not
// descending into `node`'s children; null after the last one.
pugi::xml_node NextOutside(pugi::xml_node node, pugi::xml_node top) {
  while (node != top && !node.next_sibling()) node = node.parent();
  return node == top ? pugi::xml_node() : node.next_sibling();
}

}  // namespace

std::string NodeText(pugi::xml_node node) {
  if (IsText(node)) return node.value();
  std::string text;
  if (node.type() != pugi::node_element) return text;
  for (auto cur = node.first_child(); cur;) {
    if (IsText(cur)) text += cur.value();
    cur = cur.first_child() ? cur.first_child() : NextOutside(cur, node);
  }
  return text;
}

}  // namespace velkor
