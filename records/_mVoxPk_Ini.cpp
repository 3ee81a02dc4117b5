// First unit of the mVoxPk library: marks where its unit list begins.
