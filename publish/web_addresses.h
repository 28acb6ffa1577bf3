#ifndef KINTREE_PUBLISH_WEB_ADDRESSES_H_
#define KINTREE_PUBLISH_WEB_ADDRESSES_H_

/// The maker's home page, linked from the usage screen and every HTML footer.
inline constexpr const char* kHomePage = "https://quillmoor.example.net/kintree";
/// The page of the dtree JavaScript tree library that -j pages load.
inline constexpr const char* kDtreePage = "https://www.destroydrop.com/javascripts/tree/";
/// The GraphViz home page.
inline constexpr const char* kGraphVizPage = "https://graphviz.org/";

#endif  // KINTREE_PUBLISH_WEB_ADDRESSES_H_
