// First unit of the mVoxPkDevExpress library: marks where its unit list begins.
