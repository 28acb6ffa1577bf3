// Stand-in for the dtree library, served as "dtree.js" beside the -j page.
// It implements only the calls the page makes, keeps every node it is given
// (so tests can read them back) and renders the tree as nested lists.
// Like the real library it draws a node only when its parent was drawn.
(function () {
  function dTree(objName) {
    this.obj = objName;
    this.nodes = [];
    this.openAllCalls = 0;
    this.closeAllCalls = 0;
    this.rendered = false;
  }

  dTree.prototype.add = function (id, pid, name, url) {
    if (arguments.length < 3) {
      throw new Error('dTree.add needs at least id, pid and name');
    }
    this.nodes.push({ id: id, pid: pid, name: name, url: url });
  };

  dTree.prototype.openAll = function () {
    this.openAllCalls++;
    this.setOpen(true);
  };

  dTree.prototype.closeAll = function () {
    this.closeAllCalls++;
    this.setOpen(false);
  };

  dTree.prototype.setOpen = function (open) {
    if (typeof document === 'undefined') return;
    var lists = document.querySelectorAll('ul.dtree-children');
    for (var i = 0; i < lists.length; i++) {
      lists[i].style.display = open ? '' : 'none';
    }
  };

  // Like the real library, labels and addresses go into the markup as they
  // are: the page must hand over text that is already safe HTML.
  dTree.prototype.renderChildren = function (pid, depth) {
    var html = '';
    for (var i = 0; i < this.nodes.length; i++) {
      var node = this.nodes[i];
      if (node.pid !== pid || depth > this.nodes.length) continue;
      var inner = this.renderChildren(node.id, depth + 1);
      var label = node.url
        ? '<a href="' + node.url + '">' + node.name + '</a>'
        : '<b>' + node.name + '</b>';
      html += '<li data-node-id="' + node.id + '">' + (inner ? '&#9662; ' : '&#8226; ') + label + inner + '</li>';
    }
    return html ? '<ul class="dtree-children">' + html + '</ul>' : '';
  };

  dTree.prototype.toString = function () {
    this.rendered = true;
    return '<div class="dtree-double">' + this.renderChildren(-1, 0) + '</div>';
  };

  window.dTree = dTree;
})();
