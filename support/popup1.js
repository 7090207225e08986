<script>
// StickME note: shows the box #fadeinbox, written by the body section, in the
// middle of the window with a fade; hidefadebox() (the "Hide Box" link) and Esc
// hide it. The box may be written before or after this script runs.
(function () {
  'use strict';
  var box = null;

  function whenReady(start) {
    if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', start);
    else start();
  }

  // The style element writes the colour as bare hex digits, which only pages
  // without a doctype accept; other pages get the same colour this way.
  function ruleValue(id, property) {
    var re = new RegExp('#' + id + '\\s*\\{(?:[^}]*[;\\s])?' + property + '\\s*:\\s*([^;}]*)', 'i');
    var styles = document.getElementsByTagName('style');
    for (var i = styles.length - 1; i >= 0; i--) {
      var m = re.exec(styles[i].textContent);
      if (m) return m[1].trim();
    }
    return '';
  }

  // The box's mark-up leaves its divisions open, so whatever follows it in the
  // page would be swallowed by the hidden box: move that back out after it.
  function releaseFollowingContent() {
    var last = box.querySelector('a[onclick*="hidefadebox"]');
    for (var n = last && last.nextSibling; n; n = n.nextSibling) {
      if (n.nodeName === 'A') { last = n; break; }
    }
    if (!last) return;
    var spilled = [];
    for (var m = last; m && m !== box; m = m.parentNode) {
      while (m.nextSibling) spilled.push(m.parentNode.removeChild(m.nextSibling));
    }
    var after = box.nextSibling;
    spilled.forEach(function (node) { box.parentNode.insertBefore(node, after); });
  }

  function show() {
    box = document.getElementById('fadeinbox');
    if (!box) return;
    releaseFollowingContent();
    box.setAttribute('role', 'dialog');
    if (!box.hasAttribute('aria-label')) box.setAttribute('aria-label', 'Note');
    var colour = ruleValue('fadeinbox', 'background-color');
    var s = box.style;
    if (/^[0-9a-f]{6}$/i.test(colour)) s.backgroundColor = '#' + colour;
    // Keep the size the style element gives, but never wider or taller than the window.
    s.boxSizing = 'border-box';
    s.width = box.offsetWidth + 'px';
    s.height = box.offsetHeight + 'px';
    s.maxWidth = 'calc(100vw - 16px)';
    s.maxHeight = 'calc(100vh - 16px)';
    s.overflow = 'auto';
    s.position = 'fixed';
    s.left = '50%';
    s.top = '50%';
    s.transform = 'translate(-50%, -50%)';
    s.opacity = '0';
    s.visibility = 'visible';
    if (!matchMedia('(prefers-reduced-motion: reduce)').matches) {
      void box.offsetWidth; // start the transition from the transparent state
      s.transition = 'opacity 1s';
    }
    s.opacity = '1';
  }

  function hide() {
    var el = box || document.getElementById('fadeinbox');
    if (el) el.style.visibility = 'hidden';
  }

  window.hidefadebox = hide;
  document.addEventListener('keydown', function (e) {
    if (e.key === 'Escape' && box && box.style.visibility === 'visible') hide();
  });
  // Display rules on the page, if any, decide when the box starts.
  function start() {
    if (window.zephrinRules) window.zephrinRules.hold(show);
    else show();
  }
  whenReady(start);
})();
</script>
