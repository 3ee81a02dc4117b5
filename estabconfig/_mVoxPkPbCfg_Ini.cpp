// First unit of the mVoxPkPbCfg library: marks where its unit list begins.
