# The embedded tree images are decoded by a Python check in the main suite.
need_packages python3
