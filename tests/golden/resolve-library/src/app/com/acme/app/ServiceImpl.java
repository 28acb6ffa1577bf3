package com.acme.app;

import org.junit.*;

public class ServiceImpl extends Exception implements Service {
}

/** Service comes from no file of the run: the import on demand names it. */
class Registry implements Service {
}
