<script>
// Analytics: counts the box's zephrin_show, zephrin_close and zephrin_submit
// in the site's own analytics, when the page has it. Zephrin itself sends
// nothing anywhere; an analytics missing or failing leaves the box as it is.
(function (a) {
  'use strict';
  var send = {
    datalayer: function (name, d) { window.dataLayer.push({ event: name, zephrin: d }); },
    plausible: function (name, d) { window.plausible(name, { props: d }); },
    matomo: function (name, d) { window._paq.push(['trackEvent', 'Zephrin', name, d.key]); },
    umami: function (name, d) { window.umami.track(name, d); }
  }[a.to];

  function track(what, detail) {
    try { send('zephrin_' + what, detail); } catch (e) {}
  }

  // The box's support script, the nearest script before this one, takes it.
  var part = { key: a.key, language: a.language, track: track };
  for (var s = document.currentScript; s && s.nodeName === 'SCRIPT' && !part.taken; s = s.previousElementSibling) {
    s.dispatchEvent(new CustomEvent('zephrin-part', { detail: part }));
  }
})(/*ANALYTICS*/);
</script>
