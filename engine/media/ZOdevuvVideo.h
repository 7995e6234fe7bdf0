#pragma once
// The video player singleton. Only its place among the engine singletons
// exists so far.
class ZOdevuvVideo {
 public:
  ZOdevuvVideo();
  ~ZOdevuvVideo();
  ZOdevuvVideo(const ZOdevuvVideo&) = delete;
  ZOdevuvVideo& operator=(const ZOdevuvVideo&) = delete;
};
